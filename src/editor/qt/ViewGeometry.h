#pragma once

#include <string_view>

struct ViewPoint {
    int x = -1;
    int y = -1;

    bool operator==(const ViewPoint&) const = default;
};

// Where the characters of the editor's text stand in the client area, for a
// given first visible line and horizontal scroll. The font is fixed-pitch:
// every character is one column, a tab advances four columns from where it
// stands, and the text starts after a margin on the left and at the top.
// Only the rows between the top line and the asked position are walked, so
// the cost does not grow with the size of the text.
class ViewGeometry {
public:
    static constexpr int Margin = 10;
    static constexpr int TabColumns = 4;

    // Where a line's drawing starts once the scrolled columns are skipped:
    // the first character that is at least partly visible and its column
    // counted from the start of the line.
    struct RowStart {
        int offset = 0;
        int column = 0;
        bool scrolledAway = false; // the line ends before the first visible column
    };

    ViewGeometry(std::string_view text, int topOffset, int horizontalScroll, int charWidth,
                 int lineHeight);

    // Client point of the left edge of the character at offset, on its row's
    // top; (-1, -1) above the top line or for a row scrolled away entirely,
    // (-1, y) when the character is scrolled off to the left.
    ViewPoint OffsetToPoint(int offset) const;
    // The character whose cell holds the point; a point right of a line's
    // end gives the line's end, a point below the text gives its length.
    int PointToOffset(int x, int y) const;

    RowStart skipScrolledColumns(int lineStart) const;
    // Columns of the character at offset: four for a tab, else one.
    int charColumns(int offset) const;
    int charLength(int offset) const;
    // The column at which the character at offset starts in its line.
    int columnOf(int offset) const;
    // The first character of the line that reaches past column, else the
    // line's end.
    int offsetAtColumn(int lineStart, int column) const;

    int lineStartOf(int offset) const;
    // Offset of the line feed that ends the line, or the text's length.
    int lineEndOf(int offset) const;
    // Start of the line after the one holding offset; -1 on the last line.
    int nextLineStart(int offset) const;
    int rowCount(int fromOffset, int toOffset) const;
    // A line and its width in columns: [start, end) with end at its line
    // feed or the text's end.
    struct LineWidth {
        int start = 0;
        int end = 0;
        int columns = 0;
    };
    // The widest of the lines that hold some of [from, to], the first of
    // equals.
    LineWidth widestLineBetween(int from, int to) const;
    // The width in columns of the text's longest line.
    int widestLineColumns() const;

    int charWidth() const { return charWidth_; }
    int lineHeight() const { return lineHeight_; }
    int topOffset() const { return top_; }
    int horizontalScroll() const { return horizontalScroll_; }
    std::string_view text() const { return text_; }

private:
    static constexpr int PastText = -1;
    static constexpr int BeforeText = -2;

    // The start of the line whose row holds y, or PastText / BeforeText.
    int rowStartForY(int y) const;
    int columnsUntil(int lineStart, int offset) const;

    std::string_view text_;
    int top_;
    int horizontalScroll_;
    int charWidth_;
    int lineHeight_;
};
