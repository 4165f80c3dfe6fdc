#include "FileBuffer.h"

#include "Failure.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vinta {
namespace {

// Closes the descriptor on every way out.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : fd_(fd) {}
    ~TFileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

} // namespace

void TFileBuffer::Reserve(std::size_t size)
{
    if (size <= capacity_)
        return;
    data_.reset();
    data_ = std::make_unique_for_overwrite<char[]>(size);
    capacity_ = size;
}

std::string_view TFileBuffer::Load(const std::string& path)
{
    // Non-blocking, so that a pipe put in place of a listed file cannot hang the open.
    const TFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw EInOutError(path);
    // One byte more than the size, to see a file that grew since fstat.
    std::size_t size = 0;
    Reserve(static_cast<std::size_t>(st.st_size) + 1);
    for (;;) {
        if (size == capacity_) {
            auto bigger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
            std::memcpy(bigger.get(), data_.get(), size);
            data_ = std::move(bigger);
            capacity_ *= 2;
        }
        const ssize_t n = ::read(fd.Get(), data_.get() + size, capacity_ - size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw EInOutError(path);
        }
        if (n == 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    return {data_.get(), size};
}

} // namespace vinta
