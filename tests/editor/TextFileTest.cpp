#include "editor/TextFile.h"

#include "TempDir.h"
#include "editor/TextModel.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

std::string converted(std::string bytes, LineEnding* style = nullptr) {
    const LineEnding found = TextFile::toLf(bytes);
    if (style != nullptr) {
        *style = found;
    }
    return bytes;
}

TEST(TextFileLineEnds, CrLfAndLoneCrBecomeLf) {
    LineEnding style = LineEnding::Lf;
    EXPECT_EQ(converted("a\r\nb\r\n", &style), "a\nb\n");
    EXPECT_EQ(style, LineEnding::CrLf);
    EXPECT_EQ(converted("a\rb\r", &style), "a\nb\n");
    EXPECT_EQ(style, LineEnding::Lf);
    EXPECT_EQ(converted("\r\r\n\r", &style), "\n\n\n");
    EXPECT_EQ(style, LineEnding::CrLf);
    EXPECT_EQ(converted("", &style), "");
    EXPECT_EQ(style, LineEnding::Lf);
    EXPECT_EQ(converted("plain\nlf"), "plain\nlf");
}

TEST(TextFileLineEnds, CrLfStyleWritesEveryLineFeedAsCrLf) {
    EXPECT_EQ(TextFile::withLineEnding("a\n\nb", LineEnding::CrLf), "a\r\n\r\nb");
    EXPECT_EQ(TextFile::withLineEnding("\n", LineEnding::CrLf), "\r\n");
    EXPECT_EQ(TextFile::withLineEnding("a\nb", LineEnding::Lf), "a\nb");
}

class TextFileRoundTrip : public ::testing::TestWithParam<std::string> {
protected:
    TempDir dir;
};

TEST_P(TextFileRoundTrip, UnchangedDocumentSavesByteIdentical) {
    const fs::path file = dir.write("page.htm", GetParam());
    TextModel model;
    ASSERT_EQ(model.LoadFile(file), FileResult::Ok);
    EXPECT_EQ(model.text().find('\r'), std::string::npos);
    ASSERT_EQ(model.SaveFile(file), FileResult::Ok);
    EXPECT_EQ(TempDir::readFile(file), GetParam());
    EXPECT_EQ(dir.entryCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Styles, TextFileRoundTrip,
                         ::testing::Values(std::string("<p>\r\n\tline\r\n</p>\r\n"),
                                           std::string("<p>\n\tline\n</p>\n"),
                                           std::string("no final line end\r\nx"),
                                           std::string("a\0b\r\n\0", 6),
                                           std::string("\xEF\xBB\xBF"
                                                       "bom and \xE9"
                                                       " latin\n"),
                                           std::string()));

TEST(TextFileLoad, LoneCrBecomesLfAndSavesAsLf) {
    TempDir dir;
    const fs::path file = dir.write("mac.txt", "a\rb\r");
    TextModel model;
    ASSERT_EQ(model.LoadFile(file), FileResult::Ok);
    EXPECT_EQ(model.text(), "a\nb\n");
    EXPECT_EQ(model.lineEnding(), LineEnding::Lf);
    ASSERT_EQ(model.SaveFile(file), FileResult::Ok);
    EXPECT_EQ(TempDir::readFile(file), "a\nb\n");
}

TEST(TextFileLoad, ZeroByteSurvivesLoadEditAndSave) {
    TempDir dir;
    const fs::path file = dir.write("zero.bin", std::string("a\0b\r\nc", 6));
    TextModel model;
    ASSERT_EQ(model.LoadFile(file), FileResult::Ok);
    EXPECT_EQ(model.length(), 5);
    model.ReplaceRange(5, 5, "d");
    ASSERT_EQ(model.SaveFile(file), FileResult::Ok);
    EXPECT_EQ(TempDir::readFile(file), std::string("a\0b\r\ncd", 7));
}

TEST(TextFileLoad, FileOfExactlyTheCapacityLoadsOneByteMoreDoesNot) {
    TempDir dir;
    const std::string longest(TextModel::Capacity, 'x');
    TextModel model;
    EXPECT_EQ(model.LoadFile(dir.write("max.txt", longest)), FileResult::Ok);
    EXPECT_EQ(model.length(), TextModel::Capacity);
    EXPECT_EQ(model.attributes().size(), longest.size());
    TextModel other;
    EXPECT_EQ(other.LoadFile(dir.write("over.txt", longest + "x")), FileResult::TooLong);
    EXPECT_EQ(other.length(), 0);
}

TEST(TextFileLoad, LengthOnDiskCountsCarriageReturns) {
    TempDir dir;
    std::string crlf(TextModel::Capacity - 1, 'x');
    crlf.replace(0, 2, "\r\n");
    TextModel model;
    EXPECT_EQ(model.LoadFile(dir.write("lines.txt", crlf)), FileResult::Ok);
    EXPECT_EQ(model.length(), TextModel::Capacity - 2);
    EXPECT_EQ(model.LoadFile(dir.write("longer.txt", crlf + "xx")), FileResult::TooLong);
}

TEST(TextFileLoad, FailedLoadLeavesTheModelAsItWas) {
    TempDir dir;
    TextModel model;
    model.ReplaceRange(0, 0, "kept\ntext");
    model.SetAttributes(0, 4, 3);
    model.SetSelection(1, 3);
    model.AddMark(CMarkRecord{CMarkRecord::KindUser, 0, 4, attrIndex(Attr::Mark), "m", nullptr});
    const auto generation = model.generation();
    const std::string tooLong(TextModel::Capacity + 1, 'y');
    for (const fs::path& bad :
         {dir.path() / "missing.htm", dir.path(), dir.write("big", tooLong)}) {
        EXPECT_NE(model.LoadFile(bad), FileResult::Ok) << bad;
        EXPECT_EQ(model.text(), "kept\ntext");
        EXPECT_EQ(model.attributes()[3], 3);
        EXPECT_EQ(model.GetSelection().start, 1);
        EXPECT_EQ(model.marks().size(), 1u);
        EXPECT_EQ(model.undoList().size(), 1u);
        EXPECT_TRUE(model.isModified());
        EXPECT_EQ(model.generation(), generation);
    }
}

TEST(TextFileLoad, LoadStartsAFreshDocument) {
    TempDir dir;
    TextModel model;
    model.ReplaceRange(0, 0, "a much longer old text");
    model.SetAttributes(0, 5, 2);
    model.SelectAll();
    model.AddMark(CMarkRecord{CMarkRecord::KindUser, 3, 20, attrIndex(Attr::Mark), "m", nullptr});
    const auto generation = model.generation();
    ASSERT_EQ(model.LoadFile(dir.write("new.htm", "new\r\n")), FileResult::Ok);
    EXPECT_EQ(model.text(), "new\n");
    EXPECT_EQ(model.attributes(), (std::vector<std::uint8_t>(4, 0)));
    EXPECT_EQ(model.GetSelection().caret, 0);
    EXPECT_TRUE(model.marks().empty());
    EXPECT_FALSE(model.Undo());
    EXPECT_GT(model.generation(), generation);
}

class TextFileSave : public ::testing::Test {
protected:
    TextModel modelWith(std::string_view text) {
        TextModel model;
        model.ReplaceRange(0, 0, text);
        return model;
    }

    static fs::perms permsOf(const fs::path& file) { return fs::status(file).permissions(); }

    TempDir dir;
};

TEST_F(TextFileSave, ReadOnlyFileIsRefusedAndStaysAsItWas) {
    const fs::path file = dir.write("locked.htm", "original\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    TextModel model = modelWith("changed");
    EXPECT_EQ(model.SaveFile(file), FileResult::ReadOnly);
    EXPECT_TRUE(model.isModified());
    EXPECT_EQ(TempDir::readFile(file), "original\r\n");
    EXPECT_EQ(permsOf(file), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST_F(TextFileSave, PermissionBitsAreKept) {
    const fs::path file = dir.write("script.cgi", "old");
    const fs::perms mode = fs::perms::owner_all | fs::perms::group_read | fs::perms::others_exec;
    fs::permissions(file, mode);
    TextModel model = modelWith("new");
    ASSERT_EQ(model.SaveFile(file), FileResult::Ok);
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(permsOf(file), mode);
    EXPECT_EQ(TempDir::readFile(file), "new");
}

TEST_F(TextFileSave, NewFileIsCreatedInLfStyle) {
    const fs::path file = dir.path() / "fresh.htm";
    TextModel model = modelWith("a\nb\n");
    ASSERT_EQ(model.SaveFile(file), FileResult::Ok);
    EXPECT_EQ(TempDir::readFile(file), "a\nb\n");
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST_F(TextFileSave, MissingDirectoryFailsWithoutLeavingAFile) {
    TextModel model = modelWith("x");
    EXPECT_EQ(model.SaveFile(dir.path() / "no" / "such.htm"), FileResult::WriteFailed);
    EXPECT_TRUE(model.isModified());
    EXPECT_EQ(dir.entryCount(), 0u);
}

TEST_F(TextFileSave, SavingThroughASymlinkReplacesTheFileItPointsAt) {
    const fs::path real = dir.write("real.htm", "old");
    const fs::path link = dir.path() / "link.htm";
    fs::create_symlink(real, link);
    TextModel model = modelWith("new");
    ASSERT_EQ(model.SaveFile(link), FileResult::Ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TempDir::readFile(real), "new");
}

// The file size limit makes the write itself fail half way, after the
// temporary file exists: the target must survive and the temporary go.
TEST_F(TextFileSave, FailedWriteKeepsTheOldFileAndRemovesTheTemporary) {
    const fs::path file = dir.write("page.htm", "old contents");
    TextModel model = modelWith(std::string(64 * 1024, 'n'));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult result = model.SaveFile(file);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result, FileResult::WriteFailed);
    EXPECT_EQ(TempDir::readFile(file), "old contents");
    EXPECT_EQ(dir.entryCount(), 1u);
    EXPECT_TRUE(model.isModified());
}

} // namespace
