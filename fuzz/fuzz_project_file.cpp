#include "project/ProjectFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// An in-memory regular file, so that every input goes through the real reader
// without touching the disk.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) : fd_(::memfd_create("project", MFD_CLOEXEC)) {
        if (fd_ < 0 || ::write(fd_, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
            std::abort();
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

CProject load(std::string_view bytes) {
    MemoryFile file(bytes);
    CProject project;
    if (LoadProject(project, file.path()) != ReadResult::Ok)
        std::abort();
    return project;
}

bool sameFiles(const CProject& a, const CProject& b) {
    if (a.Files.size() != b.Files.size())
        return false;
    for (std::size_t i = 0; i < a.Files.size(); ++i) {
        if (a.Files[i].RelPath != b.Files[i].RelPath)
            return false;
    }
    return true;
}

// The password is written only when the project says to keep it.
bool sameProject(const CProject& a, const CProject& b) {
    return a.Name == b.Name && a.Path == b.Path && a.FtpServer == b.FtpServer &&
           a.ServerPath == b.ServerPath && a.Login == b.Login && a.SavePassword == b.SavePassword &&
           a.AutoUpdate == b.AutoUpdate && (!a.SavePassword || a.Password == b.Password) &&
           sameFiles(a, b);
}

} // namespace

// Any bytes read as some project; what FormatProject writes for it reads back
// as the same project, and formatting that again gives the same text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CProject first = load(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string text = FormatProject(first);
    const CProject second = load(text);
    if (!sameProject(first, second) || FormatProject(second) != text)
        std::abort();
    return 0;
}
