#include "ViewGeometry.h"

#include "Utf8Text.h"

#include <algorithm>
#include <cstring>

namespace {

// One character as the view counts it: its columns and its bytes. ASCII,
// nearly all of a page, needs no decoding; the column walks of a megabyte
// line depend on that.
struct CharStep {
    int columns;
    int length;
};

CharStep stepAt(std::string_view text, int offset) {
    const auto byte = static_cast<unsigned char>(text[offset]);
    if (byte < 0x80) {
        return {byte == '\t' ? ViewGeometry::TabColumns : 1, 1};
    }
    return {1, Utf8Text::charLength(text, offset)};
}

int floorDiv(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

} // namespace

ViewGeometry::ViewGeometry(std::string_view text, int topOffset, int horizontalScroll,
                           int charWidth, int lineHeight)
    : text_(text), top_(std::clamp(topOffset, 0, static_cast<int>(text.size()))),
      horizontalScroll_(std::max(0, horizontalScroll)), charWidth_(std::max(1, charWidth)),
      lineHeight_(std::max(1, lineHeight)) {}

int ViewGeometry::charColumns(int offset) const {
    return text_[offset] == '\t' ? TabColumns : 1;
}

int ViewGeometry::charLength(int offset) const {
    return Utf8Text::charLength(text_, offset);
}

int ViewGeometry::lineStartOf(int offset) const {
    offset = std::clamp(offset, 0, static_cast<int>(text_.size()));
    if (offset == 0) {
        return 0;
    }
    const std::size_t lineFeed = text_.rfind('\n', static_cast<std::size_t>(offset - 1));
    return lineFeed == std::string_view::npos ? 0 : static_cast<int>(lineFeed) + 1;
}

int ViewGeometry::lineEndOf(int offset) const {
    const std::size_t lineFeed = text_.find('\n', static_cast<std::size_t>(std::max(0, offset)));
    return lineFeed == std::string_view::npos ? static_cast<int>(text_.size())
                                              : static_cast<int>(lineFeed);
}

int ViewGeometry::nextLineStart(int offset) const {
    const int end = lineEndOf(offset);
    return end < static_cast<int>(text_.size()) ? end + 1 : -1;
}

int ViewGeometry::rowCount(int fromOffset, int toOffset) const {
    // Offsets past the text (a stale selection) count only the text's rows.
    const auto size = static_cast<int>(text_.size());
    fromOffset = std::clamp(fromOffset, 0, size);
    toOffset = std::clamp(toOffset, 0, size);
    if (toOffset <= fromOffset) {
        return 0;
    }
    return static_cast<int>(std::count(text_.begin() + fromOffset, text_.begin() + toOffset, '\n'));
}

ViewGeometry::LineWidth ViewGeometry::widestLineBetween(int from, int to) const {
    const int stop = lineEndOf(to);
    LineWidth widest{lineStartOf(from), lineStartOf(from), 0};
    LineWidth line = widest;
    for (int at = line.start;;) {
        if (at >= stop) {
            line.end = stop;
            return line.columns > widest.columns ? line : widest;
        }
        if (text_[at] == '\n') {
            line.end = at;
            widest = line.columns > widest.columns ? line : widest;
            line = {at + 1, at + 1, 0};
            ++at;
            continue;
        }
        const CharStep step = stepAt(text_, at);
        line.columns += step.columns;
        at += step.length;
    }
}

int ViewGeometry::widestLineColumns() const {
    return widestLineBetween(0, static_cast<int>(text_.size())).columns;
}

int ViewGeometry::columnsUntil(int lineStart, int offset) const {
    const int stop = std::min(offset, static_cast<int>(text_.size()));
    int column = 0;
    int at = lineStart;
    while (at < stop) {
        const CharStep step = stepAt(text_, at);
        column += step.columns;
        at += step.length;
    }
    return column;
}

int ViewGeometry::columnOf(int offset) const {
    return columnsUntil(lineStartOf(offset), offset);
}

int ViewGeometry::offsetAtColumn(int lineStart, int column) const {
    const auto size = static_cast<int>(text_.size());
    int at = lineStart;
    int reached = 0;
    while (at < size && text_[at] != '\n') {
        const CharStep step = stepAt(text_, at);
        reached += step.columns;
        if (reached > column) {
            return at;
        }
        at += step.length;
    }
    return at;
}

ViewGeometry::RowStart ViewGeometry::skipScrolledColumns(int lineStart) const {
    const auto size = static_cast<int>(text_.size());
    RowStart row{lineStart, 0, false};
    while (row.column < horizontalScroll_) {
        if (row.offset >= size || text_[row.offset] == '\n') {
            row.scrolledAway = true;
            return row;
        }
        const CharStep step = stepAt(text_, row.offset);
        if (row.column + step.columns > horizontalScroll_) {
            return row; // a tab straddles the left edge; it is drawn shortened
        }
        row.column += step.columns;
        row.offset += step.length;
    }
    return row;
}

ViewPoint ViewGeometry::OffsetToPoint(int offset) const {
    if (offset < top_ || offset > static_cast<int>(text_.size())) {
        return {};
    }
    const int lineStart = std::max(top_, lineStartOf(offset));
    const int y = Margin + rowCount(top_, offset) * lineHeight_;
    const RowStart row = skipScrolledColumns(lineStart);
    if (row.scrolledAway) {
        return {};
    }
    const int column = columnsUntil(lineStart, offset);
    if (column < horizontalScroll_) {
        return {-1, y};
    }
    return {Margin + (column - horizontalScroll_) * charWidth_, y};
}

int ViewGeometry::rowStartForY(int y) const {
    // The top margin belongs to the first row, so a click there stays on it.
    int rows = (y >= 0 && y < Margin) ? 0 : floorDiv(y - Margin, lineHeight_);
    int at = lineStartOf(top_);
    for (; rows > 0; --rows) {
        at = nextLineStart(at);
        if (at < 0) {
            return PastText;
        }
    }
    for (; rows < 0 && at > 0; ++rows) {
        at = lineStartOf(at - 1);
    }
    return rows < 0 ? BeforeText : at;
}

int ViewGeometry::PointToOffset(int x, int y) const {
    const auto size = static_cast<int>(text_.size());
    const int lineStart = rowStartForY(y);
    if (lineStart == PastText) {
        return size;
    }
    if (lineStart == BeforeText) {
        return 0;
    }
    if (x < Margin) {
        return lineStart;
    }
    RowStart row = skipScrolledColumns(lineStart);
    while (row.offset < size && text_[row.offset] != '\n') {
        const CharStep step = stepAt(text_, row.offset);
        row.column += step.columns;
        const int rightEdge = Margin + (row.column - horizontalScroll_) * charWidth_;
        if (x < rightEdge) {
            return row.offset;
        }
        row.offset += step.length;
    }
    return row.offset;
}
