#include "editor/qt/ViewGeometry.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int W = 8;  // column width
constexpr int H = 16; // line height
constexpr int M = ViewGeometry::Margin;

ViewGeometry view(const std::string& text, int top = 0, int scroll = 0) {
    return ViewGeometry(text, top, scroll, W, H);
}

// Where the cell of a character is drawn in a view of text from its top line
// and scrolled column; ViewPoint{} where it is not shown.
TEST(ViewGeometryPoints, OffsetsMapToTheirCellsInTheView) {
    struct Case {
        const char* what;
        const char* text;
        int top;
        int scroll;
        int offset;
        ViewPoint point;
    };
    const Case cases[] = {
        {"ATabAdvancesFourColumnsFromWhereItStands", "a\tb", 0, 0, 2, {M + 5 * W, M}},
        {"NoTabStopGrid", "ab\tc", 0, 0, 3, {M + 6 * W, M}},
        {"RowsCountFromTheTopLine", "one\ntwo\nthree", 4, 0, 9, {M + W, M + H}},
        {"AboveTheTopLine", "one\ntwo\nthree", 4, 0, 2, {}},
        {"ScrolledColumnsShiftTheRow", "\tb\nx", 0, 2, 1, {M + 2 * W, M}},
        {"TheTabStartsOffScreen", "\tb\nx", 0, 2, 0, {-1, M}},
        {"TheRowEndsBeforeTheScrolledColumns", "\tb\nx", 0, 2, 3, {}},
        {"MultiByteCharactersTakeOneColumn", "\xC3\xA9x\xFFy", 0, 0, 2, {M + W, M}},
        {"AStrayByteIsOneColumn", "\xC3\xA9x\xFFy", 0, 0, 4, {M + 3 * W, M}},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(view(item.text, item.top, item.scroll).OffsetToPoint(item.offset), item.point)
            << item.what;
    }
    EXPECT_EQ(view("one\ntwo\nthree", 5).topOffset(), 5) << "kept as given; the widget snaps it";
}

TEST(ViewGeometryRows, SkippingFindsTheStraddlingTab) {
    const std::string text = "a\tbc";
    const ViewGeometry::RowStart straddle = view(text, 0, 3).skipScrolledColumns(0);
    EXPECT_EQ(straddle.offset, 1);
    EXPECT_EQ(straddle.column, 1);
    const ViewGeometry::RowStart exact = view(text, 0, 5).skipScrolledColumns(0);
    EXPECT_EQ(exact.offset, 2);
    EXPECT_FALSE(exact.scrolledAway);
    EXPECT_FALSE(view(text, 0, 7).skipScrolledColumns(0).scrolledAway) << "ends right at it";
    EXPECT_TRUE(view(text, 0, 8).skipScrolledColumns(0).scrolledAway);
}

// The character whose cell holds a point of the view; points outside the
// text snap to the nearest line start, line end or text end.
TEST(ViewGeometryOffsets, PointsMapToTheCharacterWhoseCellHoldsThem) {
    struct Case {
        const char* what;
        const char* text;
        int top;
        int scroll;
        int x;
        int y;
        int offset;
    };
    const char* const tabbed = "ab\tc\nxyz";
    const char* const lines = "one\ntwo\nthree";
    const Case cases[] = {
        {"APointMapsToTheCharacterWhoseCellHoldsIt", tabbed, 0, 0, M + W + 1, M + 1, 1},
        {"InsideTheTab", tabbed, 0, 0, M + 4 * W, M + 1, 2},
        {"AfterTheTab", tabbed, 0, 0, M + 6 * W + 1, M + 1, 3},
        {"RightOfTheEndIsTheLineFeed", tabbed, 0, 0, M + 40 * W, M + 1, 4},
        {"TheLeftMarginIsTheLineStart", tabbed, 0, 0, 2, M + H + 1, 5},
        {"BelowTheTextIsItsLength", tabbed, 0, 0, M + W, M + 9 * H, 8},
        {"PointsAboveTheTopLineWalkBack", lines, 8, 0, M + 1, M - H + 1, 4},
        {"PointsAboveTheTopLineStopAtTheStart", lines, 8, 0, M + 1, M - 5 * H, 0},
        {"TheTopMarginIsTheFirstRow", lines, 8, 0, M + W + 1, 3, 9},
        {"ScrolledRowsMapFromTheShortenedTab", "\tbc", 0, 2, M + 1, M, 0},
        {"ScrolledRowsMapFromTheirVisibleColumns", "\tbc", 0, 2, M + 2 * W + 1, M, 1},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(view(item.text, item.top, item.scroll).PointToOffset(item.x, item.y), item.offset)
            << item.what;
    }
}

TEST(ViewGeometryColumns, ColumnsAndBackAgree) {
    const std::string text = "x\t\xE2\x82\xAC\ty";
    const ViewGeometry geometry = view(text);
    EXPECT_EQ(geometry.columnOf(5), 6);
    EXPECT_EQ(geometry.columnOf(6), 10);
    EXPECT_EQ(geometry.columnOf(7), 11);
    EXPECT_EQ(geometry.offsetAtColumn(0, 5), 2);
    EXPECT_EQ(geometry.offsetAtColumn(0, 6), 5);
    EXPECT_EQ(geometry.offsetAtColumn(0, 3), 1) << "inside the first tab";
    EXPECT_EQ(geometry.offsetAtColumn(0, 99), 7);
}

TEST(ViewGeometryLines, LineBoundaries) {
    const std::string text = "ab\n\ncd\n";
    const ViewGeometry geometry = view(text);
    EXPECT_EQ(geometry.lineStartOf(4), 4);
    EXPECT_EQ(geometry.lineEndOf(4), 6);
    EXPECT_EQ(geometry.nextLineStart(5), 7);
    EXPECT_EQ(geometry.nextLineStart(7), -1) << "the empty last line has no next";
    EXPECT_EQ(geometry.rowCount(0, 7), 3);
}

TEST(ViewGeometryLines, WidestLineCountsColumnsAsTheViewDoes) {
    const std::pair<const char*, int> cases[] = {
        {"", 0},
        {"abc", 3},
        {"a\tb", 6},
        {"ab\n\tx\nlonger\n", 6},
        {"\xc3\xa9\xe2\x82\xac", 2}, // two characters of UTF-8
        {"\xff\xfe\x80z", 4},        // stray bytes are one column each
        {"\xe2\x82\n\t\t\t", 12},    // a cut sequence before a line feed
    };
    for (const auto& [text, columns] : cases) {
        const std::string bytes(text);
        const ViewGeometry geometry = view(bytes);
        EXPECT_EQ(geometry.widestLineColumns(), columns) << bytes;
        int widest = 0;
        for (int at = 0; at >= 0; at = geometry.nextLineStart(at)) {
            widest = std::max(widest, geometry.columnOf(geometry.lineEndOf(at)));
        }
        EXPECT_EQ(widest, columns) << "as the caret's column counts: " << bytes;
    }
}

TEST(ViewGeometryLines, RowCountNeverReadsPastTheText) {
    // Line feeds stand right after the viewed text in the same buffer.
    const std::string buffer = "ab\ncd\n\n\n\n";
    const ViewGeometry geometry(std::string_view(buffer).substr(0, 5), 0, 0, W, H);
    EXPECT_EQ(geometry.rowCount(0, 9), 1);
    EXPECT_EQ(geometry.rowCount(4, 9), 0);
    EXPECT_EQ(geometry.rowCount(7, 9), 0);
}

} // namespace
