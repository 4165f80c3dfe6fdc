#include "TempDir.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>

namespace vinta::test {

TTempDir::TTempDir()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/vinta-test-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TTempDir::~TTempDir()
{
    std::error_code ec;
    // Give back permissions a test took away, so that the whole tree goes.
    for (auto it = std::filesystem::recursive_directory_iterator(
             path_, std::filesystem::directory_options::skip_permission_denied, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            ::chmod(it->path().c_str(), 0700);
    std::filesystem::remove_all(path_, ec);
}

std::string TTempDir::MakeFolder(const std::string& relative) const
{
    const std::string path = path_ + "/" + relative;
    std::filesystem::create_directories(path);
    return path;
}

std::string TTempDir::Write(const std::string& relative, const std::string& bytes) const
{
    const std::filesystem::path path = path_ + "/" + relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::time_t LocalSeconds(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

void SetWriteTime(const std::string& path, int year, int month, int day, int hour, int minute, int second)
{
    const timespec times[2] = {{LocalSeconds(year, month, day, hour, minute, second), 0},
                               {LocalSeconds(year, month, day, hour, minute, second), 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("utimensat failed on " + path);
}

} // namespace vinta::test
