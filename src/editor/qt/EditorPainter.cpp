#include "EditorPainter.h"

#include "EditorColourTable.h"
#include "Utf8Text.h"
#include "editor/TextModel.h"

#include <QPainter>
#include <algorithm>

EditorPainter::EditorPainter(QPainter& painter, const ViewGeometry& geometry,
                             const TextModel& model, const EditorColourTable& colours, int ascent)
    : painter_(painter), geometry_(geometry), model_(model), colours_(colours), ascent_(ascent) {}

void EditorPainter::paintText(QSize client, QRect dirty) {
    // Everything not covered by a run stays white: margins, the rest of each
    // row and the space below the last row.
    painter_.fillRect(dirty, colours_.colour(Attr::White));
    const int bottom = std::min(client.height(), dirty.bottom() + 1);
    int lineStart = geometry_.topOffset();
    for (int y = ViewGeometry::Margin; y < bottom && lineStart >= 0; y += geometry_.lineHeight()) {
        if (y + geometry_.lineHeight() <= dirty.top()) {
            lineStart = geometry_.nextLineStart(lineStart);
            continue;
        }
        lineStart = paintLine(lineStart, y, client.width());
    }
}

int EditorPainter::paintLine(int lineStart, int y, int rightEdge) {
    const ViewGeometry::RowStart row = geometry_.skipScrolledColumns(lineStart);
    if (!row.scrolledAway) {
        const std::string& text = model_.text();
        const auto size = static_cast<int>(text.size());
        int offset = row.offset;
        int column = row.column;
        const int lastColumn = geometry_.horizontalScroll() +
                               (rightEdge - ViewGeometry::Margin) / geometry_.charWidth() + 1;
        while (offset < size && text[offset] != '\n' && column < lastColumn) {
            Run run;
            offset = collectRun(run, offset, column, lastColumn);
            column = run.endColumn;
            drawRun(run, y);
        }
    }
    return geometry_.nextLineStart(lineStart);
}

int EditorPainter::collectRun(Run& run, int offset, int lineColumn, int lastColumn) {
    const std::string& text = model_.text();
    const auto& attributes = model_.attributes();
    const auto size = static_cast<int>(text.size());
    const int scroll = geometry_.horizontalScroll();
    run.offset = offset;
    run.attribute = attributes[offset];
    run.selected = model_.IsInSelection(offset);
    run.column = std::max(0, lineColumn - scroll);
    int column = lineColumn;
    // A run stops at the right edge: a long line is not walked past it.
    while (offset < size && text[offset] != '\n' && column < lastColumn &&
           attributes[offset] == run.attribute && model_.IsInSelection(offset) == run.selected) {
        const int end = column + geometry_.charColumns(offset);
        appendChar(run, offset, end - std::max(column, scroll));
        column = end;
        offset += geometry_.charLength(offset);
    }
    run.endColumn = column;
    return offset;
}

void EditorPainter::appendChar(Run& run, int offset, int visibleColumns) {
    const std::string& text = model_.text();
    run.columns += visibleColumns;
    if (text[offset] == '\t') {
        run.text.append(QString(visibleColumns, QLatin1Char(' ')));
        return;
    }
    const char32_t code = Utf8Text::codePointAt(text, offset);
    if (code < 0x20 || code == 0x7F) {
        run.text.append(QLatin1Char(' ')); // control bytes keep their cell but draw nothing
        return;
    }
    if (code >= 0x100) {
        run.latin1Only = false;
    }
    const char32_t one[1] = {code};
    run.text.append(QString::fromUcs4(one, 1));
}

void EditorPainter::drawRun(const Run& run, int y) {
    const int width = geometry_.charWidth();
    const int x = ViewGeometry::Margin + run.column * width;
    if (run.selected) {
        painter_.fillRect(x, y, run.columns * width, geometry_.lineHeight(),
                          colours_.colour(Attr::HiLight));
    }
    painter_.setPen(run.selected ? colours_.colour(Attr::White) : colours_.colour(run.attribute));
    if (run.latin1Only) {
        painter_.drawText(x, y + ascent_, run.text);
        return;
    }
    // Glyphs from a fallback font may be wider than a column; each character
    // gets its own cell so that the columns after it stay where they belong.
    int cell = 0;
    for (int i = 0; i < run.text.size(); ++i) {
        const bool pair = run.text.at(i).isHighSurrogate() && i + 1 < run.text.size();
        painter_.drawText(x + cell * width, y + ascent_, run.text.mid(i, pair ? 2 : 1));
        i += pair ? 1 : 0;
        ++cell;
    }
}
