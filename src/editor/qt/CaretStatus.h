#pragma once

#include <string>
#include <string_view>

// Where the caret stands as the status bar tells it: the line and the column
// both counted from 1, the column in characters as they are painted (a tab
// takes its painted width), and how many characters the selection holds.
struct CaretStatus {
    int line = 1;
    int column = 1;
    int selectedCharacters = 0;

    // The selection is [start, caret); the caret is where it is drawn.
    static CaretStatus of(std::string_view text, int start, int caret);
    // "Ln 12, Col 5", with ", 7 selected" after it while the selection is
    // not empty.
    std::string describe() const;
};
