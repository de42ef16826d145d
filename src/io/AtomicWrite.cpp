#include "io/AtomicWrite.h"

#include "io/FileReader.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <optional>
#include <system_error>

// Atomic replacement needs fsync, faccessat and control over the new file's
// mode and owner, which standard C++ does not offer.
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Temporaries are named ".tagwright-PID-N.tmp": short enough beside a name of
// any length, and the PID tells a later save whether the one that made it is
// still running.
constexpr std::string_view kTempPrefix = ".tagwright-";
constexpr std::string_view kTempSuffix = ".tmp";
// A temporary this young may belong to a save running on another machine
// that shares the folder, where our PID test means nothing.
constexpr auto kStaleAge = std::chrono::minutes(1);

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool close() {
        const bool ok = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

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

fs::path folderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Follows a chain of symbolic links to the file at its end, which need not
// exist: saving through a dangling link creates the file it names.
fs::path followLinks(fs::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            break;
        }
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = next.is_absolute() ? next : folderOf(path) / next;
    }
    return path;
}

// The system would let root write any file, so for root a file its owner may
// not write counts as read-only; anyone else must be allowed to write it, or
// replacing it through a writable folder would pass its permissions.
bool mayReplace(const fs::path& target, const struct stat& original) {
    if (::geteuid() == 0) {
        return (original.st_mode & S_IWUSR) != 0;
    }
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

std::optional<pid_t> ownerOfTemporary(std::string_view name) {
    if (!name.starts_with(kTempPrefix) || !name.ends_with(kTempSuffix)) {
        return std::nullopt;
    }
    name.remove_prefix(kTempPrefix.size());
    name.remove_suffix(kTempSuffix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || end == name.data() || *end != '-' || pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

bool isStale(const fs::directory_entry& entry, pid_t owner) {
    if (owner == ::getpid() || ::kill(owner, 0) == 0 || errno != ESRCH) {
        return false;
    }
    std::error_code error;
    const auto written = entry.last_write_time(error);
    return !error && fs::file_time_type::clock::now() - written > kStaleAge;
}

// Saves killed half-way leave their temporaries behind; the next save in the
// folder clears those whose process is gone.
void removeStaleTemporaries(const fs::path& folder) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const std::optional<pid_t> owner = ownerOfTemporary(entries->path().filename().native());
        if (owner && isStale(*entries, *owner)) {
            ::unlink(entries->path().c_str());
        }
    }
}

struct TempFile {
    fs::path path;
    int fd = -1;
};

// O_EXCL with a fresh name instead of mkstemp: a new file then gets the mode
// the umask gives any new file, not mkstemp's 0600.
std::optional<TempFile> createTempBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(kTempPrefix);
        name.append(std::to_string(::getpid())).append("-");
        name.append(std::to_string(counter++)).append(kTempSuffix);
        TempFile temp{folderOf(target) / name, -1};
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

void syncFolder(const fs::path& target) {
    const Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
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

// A copy of bytes in the system's temporary folder, readable by its owner
// only; its path, or nothing when it could not be written in full.
std::optional<fs::path> keepCopyAside(std::string_view bytes) {
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "tagwright-old-XXXXXX").string();
    Descriptor copy(::mkstemp(pattern.data()));
    if (error || copy.get() < 0) {
        return std::nullopt;
    }
    if (!writeAll(copy.get(), bytes) || ::fsync(copy.get()) != 0 || !copy.close()) {
        ::unlink(pattern.c_str());
        return std::nullopt;
    }
    return fs::path(pattern);
}

bool overwrite(const fs::path& target, std::string_view bytes, FileMode policy,
               unsigned forcedMode) {
    Descriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return false;
    }
    bool ok = policy != FileMode::Forced || ::fchmod(file.get(), forcedMode) == 0;
    ok = ok && writeAll(file.get(), bytes);
    ok = ok && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0;
    ok = ok && ::fsync(file.get()) == 0;
    return file.close() && ok;
}

// For a file the user may write in a folder they may not: there is no way to
// put a finished file in its place, so it is overwritten where it stands. That
// gives up atomicity (a crash or a power cut can leave it half-written; other
// readers may see a mix) for being able to save at all. To lose nothing all
// the same, the old content is first copied to the temporary folder. A write
// that fails puts the old content back; the copy is removed once the file
// holds either version whole and stays behind only when it holds neither.
AtomicWriteResult writeInPlace(const fs::path& target, std::string_view bytes,
                               const struct stat& original, FileMode policy, unsigned forcedMode) {
    const FileReader::Contents old =
        FileReader::read(target.string(), static_cast<std::size_t>(original.st_size));
    const std::optional<fs::path> copy =
        old.ok() ? keepCopyAside(old.bytes) : std::optional<fs::path>();
    if (!copy) {
        return AtomicWriteResult::WriteFailed;
    }
    const bool saved = overwrite(target, bytes, policy, forcedMode);
    if (saved || overwrite(target, old.bytes, FileMode::KeepExisting, 0)) {
        ::unlink(copy->c_str());
    }
    return saved ? AtomicWriteResult::Ok : AtomicWriteResult::WriteFailed;
}

AtomicWriteResult replaceThroughTemporary(TempFile& temp, const fs::path& target,
                                          std::string_view bytes, const struct stat* original,
                                          FileMode policy, unsigned forcedMode) {
    if (!fillAndReplace(temp, target, bytes, original, policy, forcedMode)) {
        if (temp.fd >= 0) {
            ::close(temp.fd);
        }
        ::unlink(temp.path.c_str());
        return AtomicWriteResult::WriteFailed;
    }
    syncFolder(target);
    return AtomicWriteResult::Ok;
}

} // namespace

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                      FileMode policy, unsigned forcedMode) {
    const fs::path target = followLinks(path);
    struct stat original {};
    const bool exists = ::stat(target.c_str(), &original) == 0;
    if (exists && !S_ISREG(original.st_mode)) {
        return AtomicWriteResult::WriteFailed;
    }
    if (exists && !mayReplace(target, original)) {
        return AtomicWriteResult::ReadOnly;
    }
    removeStaleTemporaries(folderOf(target));
    std::optional<TempFile> temp = createTempBeside(target);
    if (!temp && errno == EACCES && exists) {
        return writeInPlace(target, bytes, original, policy, forcedMode);
    }
    if (!temp) {
        return AtomicWriteResult::WriteFailed;
    }
    return replaceThroughTemporary(*temp, target, bytes, exists ? &original : nullptr, policy,
                                   forcedMode);
}
