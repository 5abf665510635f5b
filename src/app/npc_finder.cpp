#include "app/npc_finder.h"

#include "app/npc_directory.h"

namespace app {

bool npcSearchIgnored(std::string_view text)
{
    if (text.empty())
        return true;
    for (std::string_view ignored : SearchIgnoreList)
        if (text == ignored)
            return true;
    return false;
}

std::vector<std::size_t> findEntries(std::span<const std::string_view> entries, std::string_view text)
{
    std::vector<std::size_t> hits;
    if (npcSearchIgnored(text))
        return hits;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].find(text) != std::string_view::npos)
            hits.push_back(i);
    return hits;
}

std::vector<std::size_t> findNpcs(std::string_view text) { return findEntries(NpcDirectory, text); }

} // namespace app
