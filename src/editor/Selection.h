#pragma once

// The selected range [start, caret): the caret is always its right-hand end.
struct Selection {
    int start = 0;
    int caret = 0;

    bool operator==(const Selection&) const = default;

    // Where the selection stands once [editStart, editEnd) is replaced by
    // newLength bytes: on the same text when the edit lies wholly before or
    // after it (touching counts as outside), else collapsed where the
    // selection or the edit began, whichever comes first. It never covers
    // bytes that only moved under it.
    Selection followingEdit(int editStart, int editEnd, int newLength) const;
};
