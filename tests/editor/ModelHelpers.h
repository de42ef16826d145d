#pragma once

#include "editor/TextModel.h"

#include <string>
#include <string_view>

// A model holding text, as if just loaded: one undo step, not modified.
inline TextModel modelWith(std::string_view text) {
    TextModel model;
    model.ReplaceRange(0, 0, text);
    model.setModified(false);
    return model;
}

inline CMarkRecord userMark(int start, int end) {
    return CMarkRecord{CMarkRecord::KindUser, start,  end, attrIndex(Attr::Mark),
                       "Marked by User",      nullptr};
}

// The text under the mark at index in the model's mark list.
inline std::string markedText(const TextModel& model, std::size_t index) {
    const CMarkRecord& mark = model.marks().at(index);
    return model.GetRangeText(mark.start, mark.end);
}
