#include "FileSink.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const std::string &what, const std::string &path)
{
    throw std::runtime_error(what + " '" + path + "': " + std::strerror(errno));
}

} // namespace

FileSink::FileSink(std::string root) : root_(std::move(root))
{
    while (root_.size() > 1 && root_.back() == '/')
        root_.pop_back();
    makeDirs(root_);
    made_.insert(root_);
}

void FileSink::makeDirs(const std::string &path)
{
    // mkdir -p: walk the components, tolerate the ones that exist.
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/')
            continue;
        const std::string prefix = path.substr(0, pos);
        if (::mkdir(prefix.c_str(), 0755) == 0)
            continue;
        if (errno != EEXIST)
            fail("cannot create directory", prefix);
        struct stat st{};
        if (::stat(prefix.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            errno = ENOTDIR;
            fail("cannot create directory", prefix);
        }
    }
}

void FileSink::ensureDir(const std::string &path)
{
    if (made_.count(path))
        return;
    makeDirs(path);
    made_.insert(path);
}

void FileSink::writeFd(int fd, std::string_view data, const std::string &path)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int saved = errno;
            ::close(fd);
            errno = saved;
            fail("cannot write", path);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

void FileSink::write(const std::string &dir, std::string_view name, std::string_view data,
                     std::time_t mtime)
{
    const std::string dirPath = dir.empty() ? root_ : root_ + "/" + dir;
    ensureDir(dirPath);
    std::string path = dirPath;
    path += '/';
    path += name;

    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        fail("cannot create", path);
    writeFd(fd, data, path);

    // Stamped through the open descriptor (utimensat on the fd), so the
    // close below cannot move it and no second path lookup is needed.
    const struct timespec times[2] = {{mtime, 0}, {mtime, 0}};
    if (::futimens(fd, times) != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        fail("cannot set time of", path);
    }
    if (::close(fd) != 0)
        fail("cannot close", path);
    ++files_;
    bytes_ += data.size();
    auto [it, fresh] = dirTimes_.try_emplace(dirPath, mtime);
    if (!fresh && it->second < mtime)
        it->second = mtime;
}

void FileSink::finish()
{
    // Carry the newest time up to every ancestor below (and including) the root.
    std::unordered_map<std::string, std::time_t> all;
    for (const auto &[dir, time] : dirTimes_) {
        std::string path = dir;
        for (;;) {
            auto [it, fresh] = all.try_emplace(path, time);
            if (!fresh && it->second < time)
                it->second = time;
            if (path.size() <= root_.size())
                break;
            path.resize(path.rfind('/'));
        }
    }
    for (const auto &[dir, time] : all) {
        const struct timespec times[2] = {{time, 0}, {time, 0}};
        if (::utimensat(AT_FDCWD, dir.c_str(), times, 0) != 0)
            fail("cannot set time of", dir);
    }
}

void FileSink::writeFile(const std::string &path, std::string_view data)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        fail("cannot create", path);
    writeFd(fd, data, path);
    if (::close(fd) != 0)
        fail("cannot close", path);
}
