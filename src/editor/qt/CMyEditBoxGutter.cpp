// The line-number gutter of CMyEditBox: shown in the left viewport margin,
// so that the viewport's coordinates, and with them every conversion between
// offsets and points, are the same with and without it.
#include "CMyEditBox.h"
#include "LineNumberGutter.h"

void CMyEditBox::setLineNumbersShown(bool shown) {
    if (shown == lineNumbersShown()) {
        return;
    }
    if (shown) {
        gutter_ = new LineNumberGutter(*this);
        connect(this, &CMyEditBox::changed, this, &CMyEditBox::layoutGutter);
        gutter_->show();
    } else {
        disconnect(this, &CMyEditBox::changed, this, &CMyEditBox::layoutGutter);
        delete gutter_;
        gutter_ = nullptr;
        setViewportMargins(0, 0, 0, 0);
    }
    layoutGutter();
    placeCaretAtCaret();
}

bool CMyEditBox::lineNumbersShown() const {
    return gutter_ != nullptr;
}

void CMyEditBox::layoutGutter() {
    if (gutter_ == nullptr) {
        return;
    }
    const int width = gutter_->wantedWidth();
    if (viewportMargins().left() != width) {
        setViewportMargins(width, 0, 0, 0);
    }
    const QRect area = viewport()->geometry();
    gutter_->setGeometry(area.left() - width, area.top(), width, area.height());
    gutter_->update();
}

void CMyEditBox::selectLine(int line) {
    const int start = lineStartClamped(line);
    const int next = model_.LineStart(line + 1);
    const int end = next < 0 ? model_.length() : next;
    SetSelection(start, end, false);
    finishMove(end);
    EnsureCaretColumnVisible();
    Refresh();
    emitTagInfo(end);
}
