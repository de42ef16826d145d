#include "GoldenFile.h"

#include "TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class GoldenFileTest : public ::testing::Test {
protected:
    void TearDown() override { ::unsetenv("TAGWRIGHT_REFRESH_GOLDEN"); }

    std::filesystem::path reference() const { return dir.path() / "page.styled"; }
    std::string newFile() const { return reference().string() + ".new"; }

    TempDir dir;
};

} // namespace

TEST_F(GoldenFileTest, AMatchPassesAndClearsAnOldNewFile) {
    dir.write("page.styled", "a\nb\n");
    dir.write("page.styled.new", "stale");
    EXPECT_TRUE(GoldenFile::matches(reference(), "a\nb\n"));
    EXPECT_FALSE(std::filesystem::exists(newFile()));
}

TEST_F(GoldenFileTest, AMismatchFailsNamingTheLineAndKeepsTheOutput) {
    dir.write("page.styled", "same\n{Tag}b\nend\n");
    const ::testing::AssertionResult result =
        GoldenFile::matches(reference(), "same\n{Argument}b\nend\n");
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("line 2"), std::string::npos) << result.message();
    EXPECT_NE(std::string(result.message()).find("{Argument}b"), std::string::npos);
    EXPECT_EQ(TempDir::readFile(newFile()), "same\n{Argument}b\nend\n");
    EXPECT_EQ(dir.read("page.styled"), "same\n{Tag}b\nend\n") << "the reference stays";
}

TEST_F(GoldenFileTest, ExtraOutputAfterTheReferenceIsADifference) {
    dir.write("page.styled", "a\n");
    const ::testing::AssertionResult result = GoldenFile::matches(reference(), "a\nb\n");
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("(end of file)"), std::string::npos);
}

TEST_F(GoldenFileTest, AMissingReferenceFails) {
    EXPECT_FALSE(GoldenFile::matches(reference(), "x"));
    EXPECT_EQ(TempDir::readFile(newFile()), "x");
}

TEST_F(GoldenFileTest, RefreshingWritesTheReferenceInsteadOfComparing) {
    dir.write("page.styled", "old\n");
    dir.write("page.styled.new", "stale");
    ::setenv("TAGWRIGHT_REFRESH_GOLDEN", "1", 1);
    EXPECT_TRUE(GoldenFile::matches(reference(), "new\n"));
    EXPECT_EQ(dir.read("page.styled"), "new\n");
    EXPECT_FALSE(std::filesystem::exists(newFile()));
}

TEST_F(GoldenFileTest, InputsAreTheFilesOfOneExtensionInNameOrder) {
    dir.write("b.html", "");
    dir.write("a.html", "");
    dir.write("a.styled", "");
    std::filesystem::create_directories(dir.path() / "sub.html");
    const std::vector<std::filesystem::path> inputs = GoldenFile::inputs(dir.path(), ".html");
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_EQ(inputs[0].filename(), "a.html");
    EXPECT_EQ(inputs[1].filename(), "b.html");
}
