#include "dialogs/TableHtml.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kNoLimit = 1'048'574;

TableFields grid(std::string columns, std::string rows) {
    TableFields fields;
    fields.columns = std::move(columns);
    fields.rows = std::move(rows);
    return fields;
}

TableFields fromClipboard() {
    TableFields fields;
    fields.useClipboard = true;
    return fields;
}

TableFields captioned(std::string align) {
    TableFields fields = grid("1", "1");
    fields.caption = "Prices";
    fields.captionAlign = std::move(align);
    return fields;
}

TableFields everyArgument() {
    TableFields fields = grid("3", "0");
    fields.align = "CENTER";
    fields.border = "1";
    fields.cellpadding = "2";
    fields.bgColor = "#0000ff";
    fields.height = "100";
    fields.width = "80%";
    fields.hSpace = "4";
    fields.vSpace = "5";
    return fields;
}

struct TableCase {
    std::string name;
    TableFields fields;
    int indent;
    std::string clipboard;
    std::string text;
};

class TableHtmlTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(TableHtmlTest, WritesTheTable) {
    const TableCase& c = GetParam();
    EXPECT_EQ(TableHtml::Build(c.fields, c.indent, c.clipboard, kNoLimit), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, TableHtmlTest,
    ::testing::Values(
        TableCase{"AllEmptyHasNoRows", {}, 0, "", "<TABLE>\n</TABLE>"},
        TableCase{"TwoColumnsOneRow", grid("2", "1"), 0, "",
                  "<TABLE COLS=2>\n\t<TR>\n\t\t<TD>\n\t\t<TD>\n\t</TR>\n</TABLE>"},
        TableCase{"AfterTwoTabsEveryFollowingLineHasThem", grid("2", "1"), 2, "",
                  "<TABLE COLS=2>\n\t\t\t<TR>\n\t\t\t\t<TD>\n\t\t\t\t<TD>\n\t\t\t</TR>\n"
                  "\t\t</TABLE>"},
        TableCase{"RowsWithoutColumnsAreEmptyRows", grid("", "2"), 0, "",
                  "<TABLE>\n\t<TR>\n\t</TR>\n\t<TR>\n\t</TR>\n</TABLE>"},
        TableCase{"CountsThatAreNotNumbersAreZero", grid("x2", "two"), 0, "",
                  "<TABLE COLS=x2>\n</TABLE>"},
        TableCase{"CaptionWithAlignmentBeforeTheFirstRow", captioned("BOTTOM"), 1, "",
                  "<TABLE COLS=1>\n\t\t<CAPTION ALIGN=BOTTOM>Prices</CAPTION>\n\t\t<TR>\n"
                  "\t\t\t<TD>\n\t\t</TR>\n\t</TABLE>"},
        TableCase{"CaptionWithoutAlignment", captioned(""), 0, "",
                  "<TABLE COLS=1>\n\t<CAPTION>Prices</CAPTION>\n\t<TR>\n\t\t<TD>\n\t</TR>\n"
                  "</TABLE>"},
        TableCase{"ArgumentsInTheirOrderUnquoted", everyArgument(), 0, "",
                  "<TABLE BORDER=1 CELLPADDING=2 HEIGHT=100 WIDTH=80% VSPACE=5 HSPACE=4 "
                  "BGCOLOR=#0000ff COLS=3 ALIGN=CENTER>\n</TABLE>"},
        TableCase{"ClipboardTwoLinesOfThreeCells", fromClipboard(), 0, "a\tb\tc\nd\te\tf\n",
                  "<TABLE COLS=3>\n\t<TR>\n\t\t<TD>a\n\t\t<TD>b\n\t\t<TD>c\n\t</TR>\n\t<TR>\n"
                  "\t\t<TD>d\n\t\t<TD>e\n\t\t<TD>f\n\t</TR>\n\t<TR>\n\t</TR>\n</TABLE>"},
        TableCase{"ClipboardLastLineWithoutLineFeedLosesItsLastCell", fromClipboard(), 0,
                  "a\tb\nc\td",
                  "<TABLE COLS=2>\n\t<TR>\n\t\t<TD>a\n\t\t<TD>b\n\t</TR>\n\t<TR>\n\t\t<TD>c\n"
                  "\t</TR>\n</TABLE>"},
        TableCase{"ClipboardWithoutTabsIsOneColumn", fromClipboard(), 1, "x\ny\n",
                  "<TABLE COLS=1>\n\t\t<TR>\n\t\t\t<TD>x\n\t\t</TR>\n\t\t<TR>\n\t\t\t<TD>y\n"
                  "\t\t</TR>\n\t\t<TR>\n\t\t</TR>\n\t</TABLE>"},
        TableCase{"EmptyClipboardIsOneEmptyRow", fromClipboard(), 0, "",
                  "<TABLE COLS=1>\n\t<TR>\n\t</TR>\n</TABLE>"},
        TableCase{"ClipboardIgnoresTheTypedCounts",
                  [] {
                      TableFields fields = grid("7", "9");
                      fields.useClipboard = true;
                      return fields;
                  }(),
                  0, "\t\n",
                  "<TABLE COLS=2>\n\t<TR>\n\t\t<TD>\n\t\t<TD>\n\t</TR>\n\t<TR>\n\t</TR>\n"
                  "</TABLE>"}),
    CaseName());

TEST(TableHtmlClipboard, ColumnsCountTheTabsOfTheFirstLineOnly) {
    EXPECT_EQ(TableHtml::ClipboardColumns(""), 1);
    EXPECT_EQ(TableHtml::ClipboardColumns("a\tb\tc\nd"), 3);
    EXPECT_EQ(TableHtml::ClipboardColumns("a\nb\tc\td\te"), 1);
    EXPECT_EQ(TableHtml::ClipboardColumns("\t\t\t"), 4);
}

TEST(TableHtmlClipboard, LongCellsAreWrittenWhole) {
    const std::string cell(10'000, 'x');
    const std::optional<std::string> text =
        TableHtml::Build(fromClipboard(), 0, cell + "\n", kNoLimit);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("<TD>" + cell + "\n"), std::string::npos);
}

TEST(TableHtmlCounts, LeadingDigitsAfterBlanksCount) {
    EXPECT_EQ(TableHtml::CountOf("12"), 12);
    EXPECT_EQ(TableHtml::CountOf(" 3"), 3);
    EXPECT_EQ(TableHtml::CountOf("4abc"), 4);
    EXPECT_EQ(TableHtml::CountOf("-4"), 0);
    EXPECT_EQ(TableHtml::CountOf(""), 0);
    EXPECT_GT(TableHtml::CountOf("99999999999999999999"), 1'000'000);
}

// A count typed far beyond the spin range, or a huge clipboard, must give up
// at the limit instead of building gigabytes first.
TEST(TableHtmlLimit, TextPastTheLimitIsNothing) {
    EXPECT_FALSE(TableHtml::Build(grid("1000000", "1000000"), 0, "", kNoLimit));
    EXPECT_FALSE(TableHtml::Build(grid("0", "99999999"), 0, "", kNoLimit));
    std::string cells;
    for (int i = 0; i < 100'000; ++i) {
        cells += "x\t";
    }
    EXPECT_FALSE(TableHtml::Build(fromClipboard(), 0, cells + "\n", cells.size()));
    const std::optional<std::string> whole =
        TableHtml::Build(fromClipboard(), 0, cells + "\n", kNoLimit);
    ASSERT_TRUE(whole);
    EXPECT_LE(whole->size(), kNoLimit);
    const std::optional<std::string> exact = TableHtml::Build(grid("2", "1"), 0, "", 50);
    ASSERT_TRUE(exact);
    EXPECT_EQ(exact->size(), 50u);
    EXPECT_FALSE(TableHtml::Build(grid("2", "1"), 0, "", 49));
}

} // namespace
