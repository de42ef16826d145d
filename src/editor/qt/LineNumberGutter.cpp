#include "LineNumberGutter.h"

#include "CMyEditBox.h"
#include "ViewGeometry.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

int digits(int number) {
    int count = 1;
    while (number >= 10) {
        number /= 10;
        ++count;
    }
    return count;
}

} // namespace

LineNumberGutter::LineNumberGutter(CMyEditBox& editor) : QWidget(&editor), editor_(editor) {
    setObjectName(QStringLiteral("LineNumberGutter"));
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int LineNumberGutter::wantedWidth() const {
    // At least three digits, so that the text does not shift while a short
    // document grows.
    const int columns = std::max(3, digits(editor_.model().LineCount()));
    return columns * editor_.charWidth() + 2 * Padding;
}

int LineNumberGutter::lineAt(int y) const {
    const int row = std::max(0, y - ViewGeometry::Margin) / editor_.lineHeight();
    const int line = editor_.topLine() + row;
    return line < editor_.model().LineCount() ? line : -1;
}

void LineNumberGutter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setFont(editor_.textFont());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    // On the text's own baselines, right-aligned.
    const QFontMetrics metrics(painter.font());
    const int lineCount = editor_.model().LineCount();
    int line = editor_.topLine();
    for (int y = ViewGeometry::Margin; y < height() && line < lineCount;
         y += editor_.lineHeight()) {
        const QString number = QString::number(++line);
        painter.drawText(width() - Padding - metrics.horizontalAdvance(number),
                         y + metrics.ascent(), number);
    }
}

void LineNumberGutter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int line = lineAt(event->position().toPoint().y());
    if (line >= 0) {
        editor_.selectLine(line);
    }
    editor_.setFocus();
}
