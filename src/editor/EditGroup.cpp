#include "EditGroup.h"

#include <string>

EditGroup::EditGroup(TextModel& model) : model_(model), kept_(model.GetSelection()) {}

EditResult EditGroup::replace(int start, int end, std::string_view text, bool dropMarks) {
    const int newLength = static_cast<int>(text.size());
    return apply(start, end, text, dropMarks, kept_.followingEdit(start, end, newLength));
}

EditResult EditGroup::wrap(int start, int end, std::string_view before, std::string_view after) {
    std::string wrapped;
    wrapped.reserve(before.size() + static_cast<std::size_t>(end - start) + after.size());
    wrapped.append(before).append(model_.GetRangeText(start, end)).append(after);
    const int opened = static_cast<int>(before.size());
    const Selection kept =
        kept_.followingEdit(start, start, opened)
            .followingEdit(end + opened, end + opened, static_cast<int>(after.size()));
    return apply(start, end, wrapped, false, kept);
}

EditResult EditGroup::apply(int start, int end, std::string_view text, bool dropMarks,
                            const Selection& after) {
    // The first record of the step holds the selection before the command,
    // which undo brings back.
    model_.SetSelection(kept_.start, kept_.caret);
    const UndoMode mode = started_ ? UndoMode::EditContinued : UndoMode::Edit;
    const EditResult result = model_.ReplaceRange(start, end, text, {}, mode, dropMarks);
    if (result == EditResult::Done) {
        started_ = true;
        kept_ = after;
    }
    model_.SetSelection(kept_.start, kept_.caret);
    return result;
}
