#pragma once

#include "ViewGeometry.h"
#include "editor/Selection.h"

#include <QSize>
#include <QString>

// What decides where the text area's rows stand and what overlays them, as
// the last refresh asked them to be shown. While it stays the same, only
// the rows of changed bytes, of the selection and of the caret need paint.
struct ShownView {
    int topOffset = -1;
    int horizontalScroll = 0;
    int charWidth = 0;
    int lineHeight = 0;
    QSize size;
    QString preedit;
    Selection selection;
    ViewPoint caret;
    bool caretShown = false;

    bool sameRows(const ShownView& other) const {
        return topOffset == other.topOffset && horizontalScroll == other.horizontalScroll &&
               charWidth == other.charWidth && lineHeight == other.lineHeight &&
               size == other.size && preedit.isEmpty() && other.preedit.isEmpty();
    }
};
