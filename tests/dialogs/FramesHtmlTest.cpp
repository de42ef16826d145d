#include "dialogs/FramesHtml.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

FramesFields columns(std::vector<std::string> widths) {
    FramesFields fields;
    fields.setColCount(static_cast<int>(widths.size()));
    std::copy(widths.begin(), widths.end(), fields.colWidths.begin());
    return fields;
}

FramesFields rowsOnly() {
    FramesFields fields;
    fields.setColCount(1);
    fields.setRowCount(2);
    fields.rowHeights[0] = "80";
    return fields;
}

FramesFields bordered() {
    FramesFields fields = columns({"", ""});
    fields.frameBorder = "NO";
    fields.border = "0";
    fields.borderColor = "#0000ff";
    return fields;
}

struct FramesCase {
    std::string name;
    FramesFields fields;
    int indent;
    std::string text;
};

class FramesHtmlTest : public ::testing::TestWithParam<FramesCase> {};

TEST_P(FramesHtmlTest, WritesTheFrameSet) {
    EXPECT_EQ(FramesHtml::Build(GetParam().fields, GetParam().indent), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FramesHtmlTest,
    ::testing::Values(
        FramesCase{"DefaultsAreTwoStarColumns",
                   {},
                   0,
                   "<FRAMESET COLS=\"*, *\">\n\t<FRAME SRC=\"\">\n\t<FRAME SRC=\"\">\n"
                   "</FRAMESET>"},
        FramesCase{"ThreeColumnsWithAnEmptyWidth", columns({"100", "", "20%"}), 0,
                   "<FRAMESET COLS=\"100, *, 20%\">\n\t<FRAME SRC=\"\">\n\t<FRAME SRC=\"\">\n"
                   "\t<FRAME SRC=\"\">\n</FRAMESET>"},
        FramesCase{"OneColumnTwoRowsWritesOnlyRows", rowsOnly(), 0,
                   "<FRAMESET ROWS=\"80, *\">\n\t<FRAME SRC=\"\">\n\t<FRAME SRC=\"\">\n"
                   "</FRAMESET>"},
        FramesCase{"OneByOneWritesNoList", columns({"50"}), 0,
                   "<FRAMESET>\n\t<FRAME SRC=\"\">\n</FRAMESET>"},
        FramesCase{"BorderArgumentsUnquotedInOrder", bordered(), 0,
                   "<FRAMESET COLS=\"*, *\" FRAMEBORDER=NO BORDER=0 BORDERCOLOR=#0000ff>\n"
                   "\t<FRAME SRC=\"\">\n\t<FRAME SRC=\"\">\n</FRAMESET>"},
        FramesCase{"IndentedFramesAndClosingTag",
                   {},
                   2,
                   "<FRAMESET COLS=\"*, *\">\n\t\t\t<FRAME SRC=\"\">\n\t\t\t<FRAME SRC=\"\">\n"
                   "\t\t</FRAMESET>"}),
    CaseName());

TEST(FramesHtmlGrid, OneFramePerCell) {
    FramesFields fields;
    fields.setColCount(3);
    fields.setRowCount(4);
    const std::string text = FramesHtml::Build(fields, 0);
    std::size_t frames = 0;
    for (std::size_t at = text.find("<FRAME "); at != std::string::npos;
         at = text.find("<FRAME ", at + 1)) {
        ++frames;
    }
    EXPECT_EQ(frames, 12u);
    EXPECT_NE(text.find("COLS=\"*, *, *\" ROWS=\"*, *, *, *\">"), std::string::npos);
}

TEST(FramesHtmlGrid, WidthsAreKeptWhenTheCountShrinksAndGrows) {
    FramesFields fields = columns({"100", "", "20%"});
    fields.setColCount(2);
    EXPECT_EQ(FramesHtml::Build(fields, 0).rfind("<FRAMESET COLS=\"100, *\">\n", 0), 0u);
    fields.setColCount(3);
    EXPECT_EQ(FramesHtml::Build(fields, 0).rfind("<FRAMESET COLS=\"100, *, 20%\">\n", 0), 0u);
}

TEST(FramesHtmlGrid, CountsAreHeldToOneToTwenty) {
    FramesFields fields;
    fields.setColCount(25);
    EXPECT_EQ(fields.colCount, 20);
    fields.setRowCount(0);
    EXPECT_EQ(fields.rowCount, 1);
    fields.setRowCount(-3);
    EXPECT_EQ(fields.rowCount, 1);
    fields.colCount = 400; // written directly, past the setter
    const std::string text = FramesHtml::Build(fields, 0);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
}

} // namespace
