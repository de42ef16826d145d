#include "CMyEditBox.h"

#include <QPaintEvent>
#include <algorithm>
#include <cstring>

// Repainting only what changed: a typed character in a megabyte repaints one
// row, not the whole area, as long as the rows stay where they were.

void CMyEditBox::Refresh() {
    // Every change of the text ends in a refresh: the range follows it here.
    updateHorizontalRange();
    updateChangedRows();
    emit changed();
}

ShownView CMyEditBox::currentView() const {
    ShownView view;
    view.topOffset = topOffset();
    view.horizontalScroll = horizontalScroll_;
    view.charWidth = charWidth_;
    view.lineHeight = lineHeight_;
    view.size = viewport()->size();
    view.preedit = preedit_;
    view.selection = model_.GetSelection();
    view.caret = caretPoint_;
    view.caretShown = isCaretShown();
    return view;
}

void CMyEditBox::updateChangedRows() {
    const ShownView now = currentView();
    const std::optional<ChangedBytes::Span> changed = model_.takeChangedBytes();
    const bool movedUnderTop = changed && changed->edited && changed->start < now.topOffset;
    if (wholeViewChanged_ || !shown_.sameRows(now) || movedUnderTop) {
        wholeViewChanged_ = false;
        shown_ = now;
        viewport()->update();
        return;
    }
    if (changed)
        updateRows(changed->start, changed->end, changed->linesMoved);
    if (!(shown_.selection == now.selection)) {
        updateRows(std::min(shown_.selection.start, now.selection.start),
                   std::max(shown_.selection.caret, now.selection.caret), false);
    }
    if (!(shown_.caret == now.caret) || shown_.caretShown != now.caretShown) {
        viewport()->update(caretRect(shown_.caret));
        viewport()->update(caretRect(now.caret));
    }
    shown_ = now;
}

QRect CMyEditBox::caretRect(ViewPoint point) const {
    return QRect(point.x, point.y, CaretWidth, lineHeight_);
}

// Rows from the one holding start to the one holding end; to the bottom of
// the area when the lines below moved.
void CMyEditBox::updateRows(int start, int end, bool toBottom) {
    if (end < topOffset() && !toBottom)
        return;
    const int rows = visibleRows() + 1;
    const int first = rowOf(start, rows);
    if (first > rows)
        return;
    const int last = toBottom ? rows : rowOf(end, rows);
    const int top = ViewGeometry::Margin + first * lineHeight_;
    const int bottom =
        toBottom ? viewport()->height() : ViewGeometry::Margin + (last + 1) * lineHeight_;
    viewport()->update(QRect(0, top, viewport()->width(), bottom - top));
}

// The row of offset counted from the top of the area: 0 for offsets above
// it, and at most limit + 1, so that an offset far below costs no more than
// a screenful of lines to find.
int CMyEditBox::rowOf(int offset, int limit) const {
    const std::string& text = model_.text();
    int position = topOffset();
    offset = std::min(offset, static_cast<int>(text.size()));
    int row = 0;
    while (position < offset && row <= limit) {
        const void* feed = std::memchr(text.data() + position, '\n', offset - position);
        if (feed == nullptr)
            break;
        position = static_cast<int>(static_cast<const char*>(feed) - text.data()) + 1;
        ++row;
    }
    return row;
}
