#include "html/CodeChecker.h"

#include "GoldenDump.h"
#include "TempDir.h"
#include "html/CTagData.h"

#include <gtest/gtest.h>

namespace {

constexpr std::string_view kTags = "HTML\n{\n(WITHIN) ROOT\n}\n"
                                   "BODY\n{\n(WITHIN) HTML\nBGCOLOR\n{\n(COLOR)\n}\n}\n"
                                   "P\n{\n(WITHIN) BODY\n(WITHIN) TD\nALIGN\n{\nLEFT\nRIGHT\n}\n}\n"
                                   "B\n{\n(WITHIN) ROOT\n}\n"
                                   "BR\n{\n(OPEN)\n(WITHIN) ROOT\n}\n"
                                   "A\n{\n(WITHIN) ROOT\nDATA-*\n{\n(STRING)\n}\n}\n"
                                   "NOWHERE\n{\n}\n"
                                   "SCRIPT\n{\n(WITHIN) ROOT\n(SUSPEND)\n}\n"
                                   "XMP\n{\n(WITHIN) ROOT\n(TOTALSUSPEND)\n}\n";

class CodeCheckerTest : public ::testing::Test {
protected:
    void SetUp() override { data.loadFromText(kTags, "Red\n"); }

    // The messages of the log between the two opening lines and the count.
    std::vector<std::string> errors(std::string_view text) {
        log = GoldenDump::LogCollector();
        count = CheckDocument(data, "page.html", text, log);
        std::vector<std::string> messages;
        for (const CErrorLine& line : log.lines) {
            if (line.error)
                messages.push_back(line.message);
        }
        return messages;
    }

    CTagData data;
    GoldenDump::LogCollector log;
    int count = 0;
};

using Messages = std::vector<std::string>;

TEST_F(CodeCheckerTest, DocumentWithoutTagsGivesTheFrameLinesAndZeroErrors) {
    EXPECT_TRUE(errors("just text").empty());
    EXPECT_EQ(count, 0);
    EXPECT_EQ(log.text, "0\t0\tpage.html\tChecking page.html for errors\n"
                        "0\t0\tpage.html\tChecking tags...\n"
                        "0\t0\tpage.html\tFound 0 errors.\n");
}

TEST_F(CodeCheckerTest, SingularAndPluralCountLines) {
    errors("<blink>");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(log.lines.back().message, "Found 1 error.");
    errors("<blink><blink>");
    EXPECT_EQ(log.lines.back().message, "Found 2 errors.");
}

TEST_F(CodeCheckerTest, UnknownTagSpanIsTheTagText) {
    errors("ab<blink x=1>");
    ASSERT_EQ(log.lines.size(), 4u);
    EXPECT_EQ(log.lines[2].message, "BLINK is an unknown tag");
    EXPECT_EQ(log.lines[2].start, 3);
    EXPECT_EQ(log.lines[2].end, 12);
    EXPECT_TRUE(log.lines[2].error);
    EXPECT_EQ(log.lines[2].path, "page.html");
}

TEST_F(CodeCheckerTest, NestingFollowsTheWithinLines) {
    EXPECT_EQ(errors("<html><body><p>x</p></body></html>"), Messages{});
    EXPECT_EQ(errors("<p>x</p>"), (Messages{"<P> cannot be placed here", "</P> found before <P>"}));
    EXPECT_EQ(errors("<nowhere><html><nowhere>"),
              (Messages{"<NOWHERE> cannot be placed here", "<NOWHERE> cannot be placed here"}));
    EXPECT_EQ(errors("</b><b></b></b>"),
              (Messages{"</B> found before <B>", "</B> found before <B>"}));
}

TEST_F(CodeCheckerTest, ClosingRemovesTheOldestOpenEntryOnly) {
    // BODY stays open after </html> took HTML away.
    EXPECT_EQ(errors("<html><body></html><p></p>"), Messages{});
    EXPECT_EQ(errors("<html><html></html></html></html>"),
              (Messages{"</HTML> found before <HTML>"}));
}

TEST_F(CodeCheckerTest, ArgumentsAndValues) {
    EXPECT_EQ(errors("<html><body bgcolor=\"red\"><p align=\"left\" x=1 align=up>"),
              (Messages{"X Argument in P tag unknown", "Parameter to ALIGN is incorrect"}));
    const CErrorLine& unknown = log.lines[2];
    EXPECT_EQ(unknown.start, 42);
    EXPECT_EQ(unknown.end, 45);
    const CErrorLine& badValue = log.lines[3];
    EXPECT_EQ(badValue.start, 52);
    EXPECT_EQ(badValue.end, 54);
    EXPECT_EQ(errors("<a data-role=x DATA-ID=\"\">"), Messages{});
    EXPECT_EQ(errors("<b x></b y>"),
              (Messages{"X Argument in B tag unknown", "Y Argument in B tag unknown"}));
}

TEST_F(CodeCheckerTest, NestingLineComesBeforeArgumentLinesAndUnknownTagsSkipArguments) {
    EXPECT_EQ(errors("<p align=up><blink x=1>"),
              (Messages{"<P> cannot be placed here", "Parameter to ALIGN is incorrect",
                        "BLINK is an unknown tag"}));
}

TEST_F(CodeCheckerTest, CommentsAreNotChecked) {
    EXPECT_EQ(errors("<!-- <blink> </b> -->"), Messages{});
}

TEST_F(CodeCheckerTest, SuspendSkipsUpToTheClosingTagWhichIsNotChecked) {
    EXPECT_EQ(errors("<script><blink></p></script x=1><blink>"),
              (Messages{"BLINK is an unknown tag"}));
    // The script is still open: a later </script> closes it without a complaint.
    EXPECT_EQ(errors("<script></script></script>"), Messages{});
    // A closing tag suspends too when checking was on.
    EXPECT_EQ(errors("</script><blink></script><blink>"),
              (Messages{"</SCRIPT> found before <SCRIPT>", "BLINK is an unknown tag"}));
}

TEST_F(CodeCheckerTest, TotalSuspendKeepsCheckingButEndsSuspending) {
    EXPECT_EQ(errors("<xmp><script><blink></script>"), (Messages{"BLINK is an unknown tag"}));
    EXPECT_EQ(errors("<blink><xmp><blink>"),
              (Messages{"BLINK is an unknown tag", "BLINK is an unknown tag"}));
}

TEST_F(CodeCheckerTest, VoidTagsPilingUpStayCheap) {
    std::string text = "<html><body>";
    for (int i = 0; i < 100000; ++i)
        text += "<br><p></p>";
    EXPECT_EQ(errors(text), Messages{});
}

TEST_F(CodeCheckerTest, HostileDocumentsFinishWithTheirCount) {
    EXPECT_EQ(errors(std::string(1 << 20, '<')), Messages{});
    EXPECT_EQ(errors("<!--" + std::string(1 << 20, 'x')), Messages{});
    EXPECT_EQ(errors("<a href=\"" + std::string(1 << 20, '>')), Messages{});
    std::string unknown;
    for (int i = 0; i < 100000; ++i)
        unknown += "<x>";
    errors(unknown);
    EXPECT_EQ(count, 100000);
    EXPECT_EQ(log.lines.back().message, "Found 100000 errors.");
}

class CheckFilesTest : public CodeCheckerTest {};

TEST_F(CheckFilesTest, EachFileIsFollowedByASeparator) {
    TempDir dir;
    std::string first = dir.write("a.html", "<blink>");
    std::string second = dir.write("b.html", "<b></b>");
    GoldenDump::LogCollector sink;
    CheckFilesResult result = CheckFiles(data, {first, second}, sink);
    EXPECT_FALSE(result.ioError);
    EXPECT_EQ(result.errorCount, 1);
    ASSERT_EQ(sink.lines.size(), 9u);
    EXPECT_EQ(sink.lines[0].message, "Checking " + first + " for errors");
    const CErrorLine& separator = sink.lines[4];
    EXPECT_EQ(separator.message, "");
    EXPECT_EQ(separator.path, "");
    EXPECT_EQ(separator.start, 0);
    EXPECT_FALSE(separator.error);
    EXPECT_EQ(sink.lines[5].path, second);
    EXPECT_EQ(sink.lines[8].message, "");
}

TEST_F(CheckFilesTest, UnreadableFileStopsTheRunAndKeepsWhatWasWritten) {
    TempDir dir;
    std::string good = dir.write("a.html", "<blink>");
    std::string missing = (dir.path() / "none.html").string();
    std::string later = dir.write("c.html", "<blink>");
    GoldenDump::LogCollector sink;
    CheckFilesResult result = CheckFiles(data, {good, missing, later, missing}, sink);
    EXPECT_TRUE(result.ioError);
    EXPECT_EQ(result.failedPath, missing);
    EXPECT_EQ(result.errorCount, 1);
    EXPECT_EQ(sink.lines.size(), 5u);
}

TEST_F(CheckFilesTest, OffsetsAreThoseOfTheTextWithLineFeedsOnly) {
    TempDir dir;
    std::string path = dir.write("crlf.html", "<b>\r\n\r\r\n<blink>");
    GoldenDump::LogCollector sink;
    CheckFiles(data, {path}, sink);
    ASSERT_GE(sink.lines.size(), 3u);
    EXPECT_EQ(sink.lines[2].start, 7);
    EXPECT_EQ(sink.lines[2].end, 12);
}

TEST_F(CheckFilesTest, BinaryFileIsCheckedWithoutTruncation) {
    TempDir dir;
    using namespace std::string_literals;
    std::string bytes = "\0\xFF<blink>\0<\0>"s;
    std::string path = dir.write("bin.html", bytes);
    GoldenDump::LogCollector sink;
    CheckFilesResult result = CheckFiles(data, {path}, sink);
    EXPECT_EQ(result.errorCount, 2);
    EXPECT_EQ(sink.lines[3].message, std::string("\0 is an unknown tag", 19));
}

} // namespace
