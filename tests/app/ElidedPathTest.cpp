#include "app/ElidedPath.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct ElideCase {
    const char* name;
    std::string path;
    std::size_t maxLength;
    std::string shown;
};

class ElidedPathTest : public ::testing::TestWithParam<ElideCase> {};

TEST_P(ElidedPathTest, ShortensInTheMiddleAndKeepsTheFileName) {
    const ElideCase& c = GetParam();
    EXPECT_EQ(ElideMiddle(c.path, c.maxLength), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ElidedPathTest,
    ::testing::Values(
        ElideCase{"FitsAsItIs", "/home/ann/site/index.html", 40, "/home/ann/site/index.html"},
        ElideCase{"ExactlyAtTheLimit", "/a/b.html", 9, "/a/b.html"},
        ElideCase{"FoldersNearTheNameAndTheStartStay", "/home/user/projects/site/pages/index.html",
                  30, "/.../site/pages/index.html"},
        ElideCase{"MoreRoomKeepsMoreOfTheStart", "/home/user/projects/site/pages/index.html", 38,
                  "/home/user/.../site/pages/index.html"},
        ElideCase{"NameTooLongAloneIsKeptWhole", "/a/b/a-very-long-file-name.html", 12,
                  ".../a-very-long-file-name.html"},
        ElideCase{"RelativePath", "one/two/three/four/page.html", 22, "one/.../four/page.html"},
        ElideCase{"BareNameIsNeverCut", "averyveryverylongname.html", 10,
                  "averyveryverylongname.html"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
