#pragma once

// One change of a text: the bytes [start, start + removed) became the bytes
// [start, start + inserted). A view that keeps something per line (the widest
// line, say) updates it from the newest change alone instead of reading the
// whole text again.
struct TextChange {
    int start = 0;
    int removed = 0;
    int inserted = 0;
};
