#pragma once
// A full disk for one folder, in a window test: while it is on, every write to a file in
// that folder (or, if asked, every sync of one, or every rename onto a name in it) fails
// with ENOSPC, as on a disk with no space left. The test program's own write functions come first in the lookup of every
// library, Qt's and the sanitizers' included, and pass everything else on.
//
// Include this header in one source file of a test program only: it defines the C
// library's write functions for the whole program.

#include <QDir>
#include <QString>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace test::fullDisk {

enum class Fails { Writes, Syncs, Renames };

namespace detail {
inline std::atomic<bool> on{false};
inline std::atomic<Fails> what{Fails::Writes};
inline std::string folder; // absolute, with a slash at the end
inline std::atomic<int> refused{0};

// True when the write or sync to fd is to fail now.
inline bool refuses(int fd, bool sync)
{
    if (!on.load() || what.load() != (sync ? Fails::Syncs : Fails::Writes))
        return false;
    char path[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), path, sizeof path - 1);
    if (n <= 0)
        return false;
    if (std::string(path, static_cast<std::size_t>(n)).rfind(folder, 0) != 0)
        return false;
    ++refused;
    errno = ENOSPC;
    return true;
}

// True when the rename onto `to` is to fail now: the folder has no room for a new entry.
inline bool refusesRename(const char* to)
{
    if (!on.load() || what.load() != Fails::Renames || !to)
        return false;
    // The folder the new name is in, with its links resolved as `folder` has them.
    const std::string name(to);
    const std::size_t slash = name.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
    char real[PATH_MAX];
    if (!::realpath(dir.c_str(), real) || (std::string(real) + "/").rfind(folder, 0) != 0)
        return false;
    ++refused;
    errno = ENOSPC;
    return true;
}

template <typename F>
F next(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}
} // namespace detail

// From now on the folder's disk is full: writes fail, or only syncs (a file system that
// takes every write and finds the disk full when the data must go out), or only renames
// (the folder has no room left for the entry a rename makes).
inline void fill(const QString& dir, Fails what = Fails::Writes)
{
    detail::folder = QDir(dir).canonicalPath().toStdString() + "/";
    detail::what = what;
    detail::refused = 0;
    detail::on = true;
}
inline void empty() { detail::on = false; }
// How many calls failed since fill(): a test that expects a failure checks that the disk
// really refused something.
inline int refused() { return detail::refused.load(); }

// Empties the disk when the scope ends, also when a check failed on the way.
struct Filled {
    explicit Filled(const QString& dir, Fails what = Fails::Writes) { fill(dir, what); }
    ~Filled() { empty(); }
    Filled(const Filled&) = delete;
    Filled& operator=(const Filled&) = delete;
};

} // namespace test::fullDisk

extern "C" {

ssize_t write(int fd, const void* buf, size_t n)
{
    using namespace test::fullDisk::detail;
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    return refuses(fd, false) ? -1 : real(fd, buf, n);
}

ssize_t pwrite(int fd, const void* buf, size_t n, off_t at)
{
    using namespace test::fullDisk::detail;
    static const auto real = next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    return refuses(fd, false) ? -1 : real(fd, buf, n, at);
}

ssize_t pwrite64(int fd, const void* buf, size_t n, off64_t at)
{
    using namespace test::fullDisk::detail;
    static const auto real = next<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64");
    return refuses(fd, false) ? -1 : real(fd, buf, n, at);
}

ssize_t writev(int fd, const struct iovec* v, int count)
{
    using namespace test::fullDisk::detail;
    static const auto real = next<ssize_t (*)(int, const struct iovec*, int)>("writev");
    return refuses(fd, false) ? -1 : real(fd, v, count);
}

int fsync(int fd)
{
    using namespace test::fullDisk::detail;
    static const auto real = next<int (*)(int)>("fsync");
    return refuses(fd, true) ? -1 : real(fd);
}

int fdatasync(int fd)
{
    using namespace test::fullDisk::detail;
    static const auto real = next<int (*)(int)>("fdatasync");
    return refuses(fd, true) ? -1 : real(fd);
}

int rename(const char* from, const char* to)
{
    using namespace test::fullDisk::detail;
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    return refusesRename(to) ? -1 : real(from, to);
}

} // extern "C"
