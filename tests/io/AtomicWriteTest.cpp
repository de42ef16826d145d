#include "io/AtomicWrite.h"

#include "TempDir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

unsigned modeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

std::size_t fileCount(const TempDir& dir) {
    const std::filesystem::path root(dir.dir());
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(root),
                                                  std::filesystem::directory_iterator()));
}

} // namespace

TEST(AtomicWrite, ReplacesTheContentAndKeepsPermissions) {
    TempDir dir;
    dir.write("a.html", "old and longer");
    ::chmod(dir.path("a.html").c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(dir.path("a.html"), std::string("new\0x", 5)),
              AtomicWriteResult::Ok);
    EXPECT_EQ(dir.read("a.html"), std::string("new\0x", 5));
    EXPECT_EQ(modeOf(dir.path("a.html")), 0640u);
    EXPECT_EQ(fileCount(dir), 1u);
}

TEST(AtomicWrite, AReadOnlyFileIsRefusedAndLeftAsItWas) {
    TempDir dir;
    dir.write("a.html", "keep me");
    ::chmod(dir.path("a.html").c_str(), 0444);
    EXPECT_EQ(WriteFileAtomically(dir.path("a.html"), "lost"), AtomicWriteResult::ReadOnly);
    EXPECT_EQ(dir.read("a.html"), "keep me");
    EXPECT_EQ(fileCount(dir), 1u);
}

TEST(AtomicWrite, AMissingDirectoryFailsAndLeavesNothing) {
    TempDir dir;
    EXPECT_EQ(WriteFileAtomically(dir.path("no/such/a.html"), "x"), AtomicWriteResult::WriteFailed);
    EXPECT_EQ(fileCount(dir), 0u);
}

TEST(AtomicWrite, ASymbolicLinkStaysALink) {
    TempDir dir;
    dir.write("real.html", "old");
    std::filesystem::create_symlink(dir.path("real.html"), dir.path("link.html"));
    ASSERT_EQ(WriteFileAtomically(dir.path("link.html"), "new"), AtomicWriteResult::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("link.html")));
    EXPECT_EQ(dir.read("real.html"), "new");
}

TEST(AtomicWrite, ForcedModeAppliesToExistingFiles) {
    TempDir dir;
    dir.write("p.prj", "x");
    ::chmod(dir.path("p.prj").c_str(), 0644);
    ASSERT_EQ(WriteFileAtomically(dir.path("p.prj"), "y", FileMode::Forced, 0600),
              AtomicWriteResult::Ok);
    EXPECT_EQ(modeOf(dir.path("p.prj")), 0600u);
}

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

// Who saves. Root may write everything, so the cases about another user's
// permissions drop to "nobody" in a child process when the tests run as root.
enum class Saver {
    Self,         // whoever runs the tests
    OtherUser,    // a user who does not own the files: needs root to arrange
    Unprivileged, // nobody when running as root, else whoever runs the tests
};

struct Scene {
    TempDir dir;
    fs::path work = dir.path() / "work";   // the folder the saves happen in
    fs::path aside = dir.path() / "aside"; // the temporary folder of the saving process
    ino_t inode = 0;

    std::string file(const std::string& name, std::string_view bytes, unsigned mode) {
        const std::string path = dir.write("work/" + name, bytes).string();
        ::chmod(path.c_str(), mode);
        return path;
    }
    std::string read(const std::string& name) const { return TempDir::readFile(work / name); }
};

struct SaveCase {
    const char* name;
    Saver saver;
    std::function<std::string(Scene&)> arrange; // returns the path to save to
    AtomicWriteResult expected;
    std::function<void(const Scene&)> verify;
    std::size_t newSize = 0; // the bytes saved: "new", or this many 'n'
    rlim_t sizeLimit = 0;    // a limit on the size of any file written, to make writes fail
};

void PrintTo(const SaveCase& saveCase, std::ostream* out) {
    *out << saveCase.name;
}

void dropToNobody() {
    if (::getuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
        ::_exit(100);
    }
}

void limitFileSize(rlim_t size) {
    const rlimit limit{size, size};
    std::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        ::_exit(101);
    }
}

// Saves in a child process, so that it can run as another user, with its own
// temporary folder and limits; the result comes back as the exit status.
int save(const SaveCase& saveCase, const std::string& path, const fs::path& aside) {
    const std::string bytes = saveCase.newSize == 0 ? "new" : std::string(saveCase.newSize, 'n');
    const pid_t child = ::fork();
    if (child == 0) {
        if (saveCase.saver != Saver::Self) {
            dropToNobody();
        }
        if (saveCase.sizeLimit != 0) {
            limitFileSize(saveCase.sizeLimit);
        }
        ::setenv("TMPDIR", aside.c_str(), 1);
        ::_exit(static_cast<int>(WriteFileAtomically(path, bytes)));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

pid_t finishedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

std::string temporaryOf(pid_t pid, int n) {
    return ".tagwright-" + std::to_string(pid) + "-" + std::to_string(n) + ".tmp";
}

void makeOld(const fs::path& file) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1));
}

ino_t inodeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

uid_t ownerOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_uid;
}

// A file "a.html" this saver may write, in a folder they may not.
std::string lockedFolder(Scene& s) {
    const std::string path = s.file("a.html", "old content", 0644);
    if (::getuid() == 0) {
        ::chown(path.c_str(), kNobody, kNobody);
    }
    ::chmod(s.work.c_str(), 0555);
    s.inode = inodeOf(path);
    return path;
}

const SaveCase kSaveCases[] = {
    {"ANewFileIsCreated", Saver::Self, [](Scene& s) { return (s.work / "new.html").string(); },
     AtomicWriteResult::Ok,
     [](const Scene& s) {
         EXPECT_EQ(s.read("new.html"), "new");
         EXPECT_EQ(std::distance(fs::directory_iterator(s.work), fs::directory_iterator()), 1);
     }},
    {"AFileItsOwnerMayNotWriteIsRefused", Saver::Self,
     [](Scene& s) { return s.file("a.html", "old", 0444); }, AtomicWriteResult::ReadOnly,
     [](const Scene& s) { EXPECT_EQ(s.read("a.html"), "old"); }},
    {"AnotherUsersFileInASharedFolderIsRefused", Saver::OtherUser,
     [](Scene& s) {
         ::chmod(s.work.c_str(), 0777);
         return s.file("a.html", "old", 0644);
     },
     AtomicWriteResult::ReadOnly,
     [](const Scene& s) {
         EXPECT_EQ(s.read("a.html"), "old");
         EXPECT_EQ(ownerOf(s.work / "a.html"), 0u);
     }},
    {"ADanglingLinkCreatesItsTarget", Saver::Self,
     [](Scene& s) {
         fs::create_directories(s.work / "sub");
         fs::create_symlink("sub/target.html", s.work / "link.html");
         return (s.work / "link.html").string();
     },
     AtomicWriteResult::Ok,
     [](const Scene& s) {
         EXPECT_TRUE(fs::is_symlink(s.work / "link.html"));
         EXPECT_EQ(s.read("sub/target.html"), "new");
     }},
    {"TheLongestNameCanBeSaved", Saver::Self,
     [](Scene& s) { return s.file(std::string(250, 'n') + ".html", "old", 0644); },
     AtomicWriteResult::Ok,
     [](const Scene& s) {
         EXPECT_EQ(s.read(std::string(250, 'n') + ".html"), "new");
         EXPECT_EQ(std::distance(fs::directory_iterator(s.work), fs::directory_iterator()), 1);
     }},
    {"TemporariesOfEndedSavesAreRemoved", Saver::Self,
     [](Scene& s) {
         const pid_t ended = finishedProcess();
         for (const std::string& name : {temporaryOf(ended, 0), temporaryOf(ended, 1),
                                         temporaryOf(1, 2), std::string(".tagwright-x.tmp")}) {
             s.file(name, "partial", 0644);
         }
         makeOld(s.work / temporaryOf(ended, 0));
         makeOld(s.work / temporaryOf(1, 2));
         makeOld(s.work / ".tagwright-x.tmp");
         return s.file("a.html", "old", 0644);
     },
     AtomicWriteResult::Ok,
     [](const Scene& s) {
         std::vector<std::string> left;
         for (const fs::directory_entry& entry : fs::directory_iterator(s.work)) {
             left.push_back(entry.path().filename().string());
         }
         std::sort(left.begin(), left.end());
         // Young ones may be a save on another machine; PID 1 is running.
         EXPECT_EQ(left.size(), 4u);
         EXPECT_EQ(std::count(left.begin(), left.end(), ".tagwright-x.tmp"), 1);
         EXPECT_EQ(std::count(left.begin(), left.end(), temporaryOf(1, 2)), 1);
         EXPECT_EQ(s.read("a.html"), "new");
     }},
    {"AWritableFileInALockedFolderIsWrittenInPlace", Saver::Unprivileged, lockedFolder,
     AtomicWriteResult::Ok,
     [](const Scene& s) {
         EXPECT_EQ(s.read("a.html"), "new");
         EXPECT_EQ(inodeOf(s.work / "a.html"), s.inode);
         EXPECT_EQ(std::distance(fs::directory_iterator(s.aside), fs::directory_iterator()), 0)
             << "the copy of the old content is removed";
     }},
    {"AFailedWriteInPlacePutsTheOldContentBack", Saver::Unprivileged, lockedFolder,
     AtomicWriteResult::WriteFailed,
     [](const Scene& s) {
         EXPECT_EQ(s.read("a.html"), "old content");
         EXPECT_EQ(std::distance(fs::directory_iterator(s.aside), fs::directory_iterator()), 0);
     },
     64 * 1024, 1024},
};

class SaveFile : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveFile, ReplacesOrRefusesAsThePermissionsSay) {
    const SaveCase& param = GetParam();
    if (param.saver == Saver::OtherUser && ::getuid() != 0) {
        GTEST_SKIP() << "needs root to give a file to another user";
    }
    Scene scene;
    fs::create_directories(scene.work);
    fs::create_directories(scene.aside);
    ::chmod(scene.dir.path().c_str(), 0755);
    ::chmod(scene.aside.c_str(), 0777);
    const std::string path = param.arrange(scene);
    EXPECT_EQ(save(param, path, scene.aside), static_cast<int>(param.expected));
    param.verify(scene);
    ::chmod(scene.work.c_str(), 0755);
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFile, ::testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
