#pragma once

#include <string>

// One call of the replace primitive, enough to reverse it: the bytes it
// removed, where, how many bytes it inserted, and the selection before it.
struct CUndoRecord {
    std::string text;
    int start = 0;
    int length = 0;
    int selectionStart = 0;
    int caret = 0;
    // A same-length rewrite (a case change): replaying it moves no text, so
    // every mark stays where it is instead of being dropped or stretched.
    bool inPlace = false;
};
