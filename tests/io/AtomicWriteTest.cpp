#include "io/AtomicWrite.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
