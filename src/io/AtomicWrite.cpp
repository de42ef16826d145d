#include "io/AtomicWrite.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

// Atomic replacement needs fsync and control over the new file's mode and
// owner, which standard C++ does not offer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

fs::path resolveTarget(const fs::path& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path target = fs::weakly_canonical(path, error);
        if (!error) {
            return target;
        }
    }
    return path;
}

struct TempFile {
    fs::path path;
    int fd = -1;
};

// O_EXCL with a fresh name instead of mkstemp: a new file then gets the mode
// the umask gives any new file, not mkstemp's 0600.
std::optional<TempFile> createTempBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(1, '.');
        name.append(target.filename().string());
        name.append(".tw").append(std::to_string(::getpid()));
        name.append("-").append(std::to_string(counter++));
        TempFile temp{dir / name, -1};
        temp.fd = ::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temp.fd >= 0) {
            return temp;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool takeOverAttributes(int fd, const struct stat& original) {
    // Only root can give the file back to another owner; anyone else keeps it.
    if (::fchown(fd, original.st_uid, original.st_gid) != 0 && errno != EPERM) {
        return false;
    }
    return ::fchmod(fd, original.st_mode & 07777) == 0;
}

void syncDirectory(const fs::path& target) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool setMode(int fd, const struct stat* original, FileMode policy, unsigned forcedMode) {
    if (policy == FileMode::Forced) {
        return ::fchmod(fd, static_cast<mode_t>(forcedMode)) == 0;
    }
    return original == nullptr || takeOverAttributes(fd, *original);
}

bool fillAndReplace(TempFile& temp, const fs::path& target, std::string_view bytes,
                    const struct stat* original, FileMode policy, unsigned forcedMode) {
    // The mode is set before the bytes arrive, so a secret is never readable.
    bool ok = setMode(temp.fd, original, policy, forcedMode);
    ok = ok && writeAll(temp.fd, bytes) && ::fsync(temp.fd) == 0;
    ok = (::close(temp.fd) == 0) && ok;
    temp.fd = -1;
    return ok && ::rename(temp.path.c_str(), target.c_str()) == 0;
}

} // namespace

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                      FileMode policy, unsigned forcedMode) {
    const fs::path target = resolveTarget(path);
    struct stat original {};
    const bool exists = ::stat(target.c_str(), &original) == 0;
    if (exists && !S_ISREG(original.st_mode)) {
        return AtomicWriteResult::WriteFailed;
    }
    // Checked on the mode bits: for root access(W_OK) would always say yes.
    if (exists && (original.st_mode & S_IWUSR) == 0) {
        return AtomicWriteResult::ReadOnly;
    }
    std::optional<TempFile> temp = createTempBeside(target);
    if (!temp) {
        return AtomicWriteResult::WriteFailed;
    }
    if (!fillAndReplace(*temp, target, bytes, exists ? &original : nullptr, policy, forcedMode)) {
        if (temp->fd >= 0) {
            ::close(temp->fd);
        }
        ::unlink(temp->path.c_str());
        return AtomicWriteResult::WriteFailed;
    }
    syncDirectory(target);
    return AtomicWriteResult::Ok;
}
