#include "app/FileFailure.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string reasonOf(const std::string& path, FileResult result) {
    const std::string detail = DescribeFileFailure(path, result);
    EXPECT_EQ(detail.rfind(path, 0), 0u) << "the detail starts with the path";
    return detail.substr(path.size());
}

TEST(FileFailure, SaysWhyAFileCouldNotBeOpenedOrSaved) {
    TempDir dir;
    const std::string file = dir.write("page.html", "x").string();
    const std::string missing = dir.path("gone.html");
    const std::string folder = dir.path("");
    EXPECT_NE(reasonOf(missing, FileResult::CannotOpen).find("does not exist"), std::string::npos);
    EXPECT_NE(reasonOf(folder, FileResult::CannotOpen).find("folder"), std::string::npos);
    EXPECT_NE(reasonOf(file, FileResult::TooLong).find("1,048,574 bytes"), std::string::npos);
    EXPECT_NE(reasonOf(file, FileResult::ReadOnly).find("read-only"), std::string::npos);
    ::mkfifo(dir.path("pipe").c_str(), 0600);
    EXPECT_NE(reasonOf(dir.path("pipe"), FileResult::CannotOpen).find("not a regular file"),
              std::string::npos);
    EXPECT_FALSE(reasonOf(dir.path("new.html"), FileResult::WriteFailed).empty());
}

} // namespace
