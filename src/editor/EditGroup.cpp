#include "EditGroup.h"

#include <string>

EditGroup::EditGroup(TextModel& model) : model_(model), kept_(model.GetSelection()) {}

EditResult EditGroup::replace(int start, int end, std::string_view text, bool dropMarks) {
    const int newLength = static_cast<int>(text.size());
    return apply(start, end, text, dropMarks, kept_.followingEdit(start, end, newLength));
}

EditResult EditGroup::replaceEach(const std::vector<int>& starts, int removed,
                                  std::string_view text, bool dropMarks) {
    if (starts.empty())
        return EditResult::Done;
    const int inserted = static_cast<int>(text.size());
    const long long grown = static_cast<long long>(model_.length()) +
                            static_cast<long long>(starts.size()) * (inserted - removed);
    if (starts.back() + removed > model_.length() || grown > TextModel::Capacity)
        return EditResult::TooLong;
    std::vector<TextModel::BatchEdit> edits;
    edits.reserve(starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int start = starts[i] + static_cast<int>(i) * (inserted - removed);
        edits.push_back({start, kept_});
        kept_ = kept_.followingEdit(start, start + removed, inserted);
    }
    const UndoMode mode = started_ ? UndoMode::EditContinued : UndoMode::Edit;
    model_.ReplaceEach(edits, removed, text, mode, dropMarks);
    started_ = true;
    model_.SetSelection(kept_.start, kept_.caret);
    return EditResult::Done;
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
