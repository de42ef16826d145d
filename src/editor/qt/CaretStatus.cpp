#include "CaretStatus.h"

#include "Utf8Text.h"
#include "ViewGeometry.h"

#include <algorithm>

namespace {

int charactersBetween(std::string_view text, int start, int end) {
    int count = 0;
    for (int at = start; at < end; ++count) {
        at += std::max(1, Utf8Text::charLength(text, at));
    }
    return count;
}

} // namespace

CaretStatus CaretStatus::of(std::string_view text, int start, int caret) {
    const int size = static_cast<int>(text.size());
    caret = std::clamp(caret, 0, size);
    start = std::clamp(start, 0, caret);
    // The geometry's own column count, so that the pane and the painted
    // caret never disagree about a tab.
    const ViewGeometry geometry(text, 0, 0, 1, 1);
    CaretStatus status;
    status.line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + caret, '\n'));
    status.column = 1 + geometry.columnOf(caret);
    status.selectedCharacters = charactersBetween(text, start, caret);
    return status;
}

std::string CaretStatus::describe() const {
    std::string text = "Ln " + std::to_string(line) + ", Col " + std::to_string(column);
    if (selectedCharacters > 0) {
        text += ", " + std::to_string(selectedCharacters) + " selected";
    }
    return text;
}
