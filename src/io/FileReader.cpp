#include "io/FileReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

// open(2) with O_NONBLOCK and fstat(2) on the open descriptor are the only
// way to look at what a path is without a race and without blocking on it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Contents = FileReader::Contents;

Contents failure(ReadResult result, std::string detail) {
    Contents contents;
    contents.result = result;
    contents.detail = std::move(detail);
    return contents;
}

Contents systemFailure(int error) {
    const bool missing = error == ENOENT || error == ENOTDIR;
    return failure(missing ? ReadResult::NotFound : ReadResult::Failed, std::strerror(error));
}

Contents tooLarge(std::size_t maxBytes) {
    return failure(ReadResult::TooLarge,
                   "File is larger than " + std::to_string(maxBytes) + " bytes");
}

std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return std::strerror(EISDIR);
    }
    if (S_ISFIFO(mode)) {
        return "Is a FIFO, not a regular file";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "Is a device, not a regular file";
    }
    return "Not a regular file";
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads until the end of the file. The buffer starts at the size fstat
// reported and grows only for files that grow while being read (or report no
// size, as /proc does), never past one byte more than allowed.
Contents readToEnd(int fd, std::size_t sizeHint, std::size_t maxBytes) {
    const std::size_t ceiling = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    Contents contents;
    std::string& bytes = contents.bytes;
    bytes.resize(std::min(std::max<std::size_t>(sizeHint + 1, 4096), ceiling));
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() == ceiling) {
                return tooLarge(maxBytes);
            }
            bytes.resize(std::min(bytes.size() * 2, ceiling));
        }
        const ssize_t count = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return systemFailure(errno);
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    contents.result = ReadResult::Ok;
    return contents;
}

} // namespace

FileReader::Contents FileReader::read(const std::string& path, std::size_t maxBytes) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return systemFailure(errno);
    }
    const Descriptor file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return systemFailure(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return failure(ReadResult::NotRegular, kindOf(info.st_mode));
    }
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (size > maxBytes) {
        return tooLarge(maxBytes);
    }
    return readToEnd(fd, size, maxBytes);
}
