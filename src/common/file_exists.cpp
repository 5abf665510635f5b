#include "common/file_exists.h"

#include <filesystem>
#include <fnmatch.h>

namespace common {

namespace fs = std::filesystem;

namespace {
bool normalFile(const fs::path& p)
{
    std::error_code ec;
    const std::string leaf = p.filename().string();
    return !leaf.empty() && leaf[0] != '.' && fs::is_regular_file(p, ec);
}
} // namespace

bool fileExists(const std::string& name)
{
    if (name.empty())
        return false;
    const fs::path path(name);
    const std::string leaf = path.filename().string();
    if (leaf.find_first_of("*?") == std::string::npos)
        return normalFile(path);
    std::error_code ec;
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (fnmatch(leaf.c_str(), candidate.c_str(), 0) == 0 && normalFile(it->path()))
            return true;
    }
    return false;
}

} // namespace common
