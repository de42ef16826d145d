// Mouse input, auto-scrolling and the tooltip of CMyEditBox.
#include "CMyEditBox.h"
#include "ICodeHelper.h"
#include "TextRanges.h"
#include "app/CEditorSettings.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

namespace {

// Mouse handlers look half a column to the right, so that a click snaps to
// the nearer character boundary.
constexpr int SnapPixels = 5;

QPoint pointOf(const QMouseEvent* event) {
    return event->position().toPoint();
}

} // namespace

void CMyEditBox::mousePressEvent(QMouseEvent* event) {
    const QPoint point = pointOf(event);
    if (event->button() == Qt::LeftButton) {
        pressLeft(event);
    } else if (event->button() == Qt::RightButton) {
        // A right click inside the selection keeps it for the context menu.
        if (!model_.IsInSelection(PointToOffset(point.x(), point.y()))) {
            pressLeft(event);
        }
    }
}

void CMyEditBox::pressLeft(QMouseEvent* event) {
    const QPoint point = pointOf(event);
    dragging_ = true;
    setFocus(Qt::MouseFocusReason);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    syncShift(shift);
    if (!shift) {
        anchor_ = PointToOffset(point.x() + SnapPixels, point.y());
        extent_ = 0;
        applyExtent();
    }
    placeCaretAtCaret();
    hideCodeHelper();
    Refresh();
}

void CMyEditBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = pointOf(event);
    lastMouse_ = point;
    if (dragging_) {
        dragTo(point);
        updateAutoScrollTimers(point);
    }
    emitTagInfo(PointToOffset(point.x(), point.y()));
}

void CMyEditBox::dragTo(QPoint point) {
    const Selection before = model_.GetSelection();
    extent_ = PointToOffset(point.x() + SnapPixels, point.y()) - anchor_;
    applyExtent();
    const Selection after = model_.GetSelection();
    if (before.start != after.start || before.caret != after.caret) {
        placeCaretAtCaret();
        Refresh();
    }
}

bool CMyEditBox::finishDrag(QPoint point) {
    if (!dragging_) {
        return false;
    }
    extent_ = PointToOffset(point.x() + SnapPixels, point.y()) - anchor_;
    applyExtent();
    placeCaretAtCaret();
    Refresh();
    dragging_ = false;
    return true;
}

void CMyEditBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = pointOf(event);
    // Both timers stop: a horizontal one left running would scroll on after
    // the button is up.
    stopAutoScroll();
    if (event->button() == Qt::LeftButton) {
        finishDrag(point);
    } else if (event->button() == Qt::RightButton) {
        const bool finished = finishDrag(point);
        const QPoint at = point + QPoint(finished ? SnapPixels : 0, 0);
        emit contextMenuRequested(viewport()->mapToGlobal(at));
    }
}

void CMyEditBox::contextMenuEvent(QContextMenuEvent* event) {
    // The right button asks for the menu on its release; only the keyboard's
    // menu key comes this way, and the menu opens at the caret.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QPoint at = isCaretShown() ? QPoint(caretPoint_.x, caretPoint_.y + lineHeight_)
                                         : QPoint(ViewGeometry::Margin, ViewGeometry::Margin);
        emit contextMenuRequested(viewport()->mapToGlobal(at));
    }
    event->accept();
}

void CMyEditBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    selectByDoubleClick(pointOf(event), event->modifiers().testFlag(Qt::ControlModifier));
}

void CMyEditBox::selectByDoubleClick(QPoint point, bool control) {
    // A double click is no drag: the release that follows keeps the selection.
    dragging_ = false;
    stopAutoScroll();
    const int offset = PointToOffset(point.x(), point.y());
    if (point.x() < ViewGeometry::Margin) {
        SetSelection(offset, geometry().lineEndOf(offset), false);
    } else {
        const TextRanges::Range range =
            TextRanges::doubleClickRange(model_.text(), offset, control);
        SetSelection(range.start, range.end, false);
    }
    placeCaretAtCaret();
    Refresh();
}

void CMyEditBox::wheelEvent(QWheelEvent* event) {
    // Three lines a notch; the thumb's 1000 steps are far too coarse for it.
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) {
        scrollLines(-3 * notches);
    }
    event->accept();
}

// ---- auto-scroll while dragging ------------------------------------------------

void CMyEditBox::updateAutoScrollTimers(QPoint point) {
    const int height = viewport()->height();
    const int width = viewport()->width();
    if (point.y() >= height || point.y() < 0) {
        if (!verticalScrollTimer_.isActive()) {
            verticalScrollTimer_.start(AutoScrollInterval, this);
        }
    } else if (point.y() > 0 && point.y() < height) {
        verticalScrollTimer_.stop();
    }
    const int x = point.x() + SnapPixels;
    if (x >= width || x < 0) {
        if (!horizontalScrollTimer_.isActive()) {
            horizontalScrollTimer_.start(AutoScrollInterval, this);
        }
    } else if (x > 0 && x < width) {
        horizontalScrollTimer_.stop();
    }
}

void CMyEditBox::stopAutoScroll() {
    verticalScrollTimer_.stop();
    horizontalScrollTimer_.stop();
}

void CMyEditBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() == verticalScrollTimer_.timerId()) {
        autoScrollVertically();
    } else if (event->timerId() == horizontalScrollTimer_.timerId()) {
        autoScrollHorizontally();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void CMyEditBox::autoScrollVertically() {
    const int direction = lastMouse_.y() >= viewport()->height() ? 1 : -1;
    int line = topLine() + direction;
    // Scrolling down stops short of the last ten lines.
    if (direction > 0 && line >= model_.LineCount() - 10) {
        --line;
    }
    setTopOffset(lineStartClamped(std::max(0, line)));
    // The selection follows the scrolled text, not only a moving mouse.
    if (dragging_) {
        dragTo(lastMouse_);
    }
    Refresh();
    placeCaretAtCaret();
    updateVerticalThumb();
}

void CMyEditBox::autoScrollHorizontally() {
    int columns = horizontalScroll_;
    if (lastMouse_.x() < 0 && columns > 0) {
        --columns;
    } else if (lastMouse_.x() + SnapPixels >= viewport()->width() && columns < horizontalRange()) {
        ++columns;
    }
    horizontalScroll_ = columns;
    if (dragging_) {
        dragTo(lastMouse_);
    }
    setHorizontalScroll(columns);
}

// ---- tooltip -------------------------------------------------------------------

bool CMyEditBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        return showToolTip(event);
    }
    return QAbstractScrollArea::viewportEvent(event);
}

bool CMyEditBox::showToolTip(QEvent* event) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (!settings_.isOn(CEditorSettings::EditorToolTips)) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    lastMouse_ = help->pos();
    const QString text = tagInfoAt(PointToOffset(help->pos().x(), help->pos().y()));
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), text, viewport());
    }
    return true;
}
