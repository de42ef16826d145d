#pragma once

#include "ViewGeometry.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

class EditorColourTable;
class QPainter;
class TextModel;

// Draws the visible rows of an editor's text: white margins and background,
// runs of equal colour and selection state, selected runs in white on the
// highlight colour. Only the rows that fit into the client area are walked.
class EditorPainter {
public:
    EditorPainter(QPainter& painter, const ViewGeometry& geometry, const TextModel& model,
                  const EditorColourTable& colours, int ascent);

    // Only the rows that reach into dirty are drawn; the rest of the area
    // keeps what it shows.
    void paintText(QSize client, QRect dirty);

private:
    struct Run {
        int offset = 0;    // first byte
        int column = 0;    // first visible column
        int columns = 0;   // visible columns
        int endColumn = 0; // line column after the run
        std::uint8_t attribute = 0;
        bool selected = false;
        QString text;
        bool latin1Only = true;
    };

    // Returns the start of the next line, or -1 after the last one.
    int paintLine(int lineStart, int y, int rightEdge);
    // Fills run from offset, up to lastColumn at most; returns the offset
    // after it.
    int collectRun(Run& run, int offset, int lineColumn, int lastColumn);
    void appendChar(Run& run, int offset, int visibleColumns);
    void drawRun(const Run& run, int y);

    QPainter& painter_;
    const ViewGeometry& geometry_;
    const TextModel& model_;
    const EditorColourTable& colours_;
    int ascent_;
};
