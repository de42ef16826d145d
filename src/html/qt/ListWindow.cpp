#include "html/qt/ListWindow.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace {

constexpr int FrameAllowance = 6; // the border and the client edge
constexpr int WheelRows = 3;

QString displayText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ListWindow::ListWindow(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ListWindow"));
    setWindowTitle(QStringLiteral("ListWindow"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(false);
    setCursor(Qt::ArrowCursor);
    hide();
}

int ListWindow::rowHeight() const {
    const QFontMetrics metrics(font());
    return metrics.height() + metrics.leading();
}

void ListWindow::selectionChanged() {
    emit infoChanged(displayText(list_.selectedInfo()));
    update();
}

bool ListWindow::SelectNext() {
    const bool moved = list_.SelectNext();
    selectionChanged();
    return moved;
}

bool ListWindow::SelectPrevious() {
    const bool moved = list_.SelectPrevious();
    selectionChanged();
    return moved;
}

void ListWindow::MoveBelow(int x, int y, int lineAbove) {
    const int height = CodeHelperList::Rows * rowHeight() + FrameAllowance;
    const QWidget* area = parentWidget();
    if (area != nullptr) {
        const int above = y - lineAbove - height;
        if (y + height > area->height() && above >= 0) {
            y = above;
        }
        x = std::max(0, std::min(x, area->width() - Width));
    }
    setGeometry(x, y, Width, height);
    update();
}

int ListWindow::entryAt(QPoint point) const {
    const QRect area = contentsRect();
    if (!area.contains(point)) {
        return -1;
    }
    const int row = (point.y() - area.top()) / rowHeight();
    const int index = list_.top() + row;
    return row < CodeHelperList::Rows && index < static_cast<int>(list_.entries().size()) ? index
                                                                                          : -1;
}

void ListWindow::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area);
    const QFontMetrics metrics(font());
    const int height = rowHeight();
    const std::vector<CListEntry>& entries = list_.entries();
    const int last = std::min(static_cast<int>(entries.size()), list_.top() + CodeHelperList::Rows);
    for (int i = list_.top(); i < last; ++i) {
        const QRect row(area.left(), area.top() + (i - list_.top()) * height, area.width(), height);
        const bool selected = i == list_.selected();
        if (selected) {
            painter.fillRect(row, Qt::blue);
        }
        painter.setPen(selected ? Qt::white : Qt::black);
        painter.drawText(row.left(), row.top() + metrics.ascent(), displayText(entries[i].text));
    }
}

void ListWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && list_.select(entryAt(event->position().toPoint()))) {
        selectionChanged();
    }
    event->accept();
}

void ListWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && list_.select(entryAt(event->position().toPoint()))) {
        selectionChanged();
        emit entryChosen();
    }
    event->accept();
}

void ListWindow::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    list_.scrollBy(-steps * WheelRows);
    update();
    event->accept();
}
