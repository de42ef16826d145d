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

TEST(ViewGeometryPoints, ATabAdvancesFourColumnsFromWhereItStands) {
    const std::string text = "a\tb";
    EXPECT_EQ(view(text).OffsetToPoint(2), (ViewPoint{M + 5 * W, M}));
    const std::string later = "ab\tc";
    EXPECT_EQ(view(later).OffsetToPoint(3), (ViewPoint{M + 6 * W, M})) << "no tab-stop grid";
}

TEST(ViewGeometryPoints, RowsCountFromTheTopLine) {
    const std::string text = "one\ntwo\nthree";
    EXPECT_EQ(view(text, 4).OffsetToPoint(9), (ViewPoint{M + W, M + H}));
    EXPECT_EQ(view(text, 4).OffsetToPoint(2), ViewPoint{}) << "above the top line";
    EXPECT_EQ(view(text, 5).topOffset(), 5) << "kept as given; the widget snaps it";
}

TEST(ViewGeometryPoints, ScrolledColumnsShiftTheRowAndHideWhatIsLeftOfThem) {
    const std::string text = "\tb\nx";
    EXPECT_EQ(view(text, 0, 2).OffsetToPoint(1), (ViewPoint{M + 2 * W, M}));
    EXPECT_EQ(view(text, 0, 2).OffsetToPoint(0), (ViewPoint{-1, M})) << "the tab starts off-screen";
    EXPECT_EQ(view(text, 0, 2).OffsetToPoint(3), ViewPoint{}) << "the row x ends before";
}

TEST(ViewGeometryPoints, MultiByteCharactersTakeOneColumn) {
    const std::string text = "\xC3\xA9x\xFFy";
    EXPECT_EQ(view(text).OffsetToPoint(2), (ViewPoint{M + W, M}));
    EXPECT_EQ(view(text).OffsetToPoint(4), (ViewPoint{M + 3 * W, M})) << "a stray byte is one";
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

TEST(ViewGeometryOffsets, APointMapsToTheCharacterWhoseCellHoldsIt) {
    const std::string text = "ab\tc\nxyz";
    const ViewGeometry geometry = view(text);
    EXPECT_EQ(geometry.PointToOffset(M + W + 1, M + 1), 1);
    EXPECT_EQ(geometry.PointToOffset(M + 4 * W, M + 1), 2) << "inside the tab";
    EXPECT_EQ(geometry.PointToOffset(M + 6 * W + 1, M + 1), 3);
    EXPECT_EQ(geometry.PointToOffset(M + 40 * W, M + 1), 4) << "right of the end: the line feed";
    EXPECT_EQ(geometry.PointToOffset(2, M + H + 1), 5) << "the left margin: the line start";
    EXPECT_EQ(geometry.PointToOffset(M + W, M + 9 * H), 8) << "below the text: its length";
}

TEST(ViewGeometryOffsets, PointsAboveTheTopLineWalkBackAndStopAtTheStart) {
    const std::string text = "one\ntwo\nthree";
    EXPECT_EQ(view(text, 8).PointToOffset(M + 1, M - H + 1), 4);
    EXPECT_EQ(view(text, 8).PointToOffset(M + 1, M - 5 * H), 0);
    EXPECT_EQ(view(text, 8).PointToOffset(M + W + 1, 3), 9) << "the top margin is the first row";
}

TEST(ViewGeometryOffsets, ScrolledRowsMapFromTheirVisibleColumns) {
    const std::string text = "\tbc";
    EXPECT_EQ(view(text, 0, 2).PointToOffset(M + 1, M), 0) << "the shortened tab";
    EXPECT_EQ(view(text, 0, 2).PointToOffset(M + 2 * W + 1, M), 1);
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
