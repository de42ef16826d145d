#include "TagInsertion.h"

#include <cstddef>
#include <string>
#include <vector>

namespace {

std::string wrapped(std::string_view before, std::string_view text, std::string_view after) {
    std::string result;
    result.reserve(before.size() + text.size() + after.size());
    result.append(before).append(text).append(after);
    return result;
}

EditResult wrapSelected(TextModel& model, std::string_view before, std::string_view after) {
    const Selection selection = model.GetSelection();
    const EditResult result = model.ReplaceRange(selection.start, selection.caret,
                                                 wrapped(before, model.GetSelectedText(), after),
                                                 {}, UndoMode::Edit, true);
    if (result == EditResult::Done) {
        const int shift = static_cast<int>(before.size());
        model.SetSelection(selection.start + shift, selection.caret + shift);
    }
    return result;
}

// Chosen before the first step: the text only grows, so a mark that lies
// outside the text at the start must not be picked up later.
std::vector<std::size_t> userMarksInText(const TextModel& model) {
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < model.marks().size(); ++i) {
        const CMarkRecord& mark = model.marks()[i];
        if (mark.kind == CMarkRecord::KindUser && 0 <= mark.start && mark.start <= mark.end &&
            mark.end <= model.length()) {
            chosen.push_back(i);
        }
    }
    return chosen;
}

// Each step keeps the marks, so none is dropped and the indexes stay valid;
// the mark that was wrapped is then moved over its text again.
EditResult wrapMarks(TextModel& model, std::string_view before, std::string_view after) {
    const std::vector<std::size_t> chosen = userMarksInText(model);
    const long long growth = static_cast<long long>(before.size() + after.size());
    if (model.length() + growth * static_cast<long long>(chosen.size()) > TextModel::Capacity) {
        return EditResult::TooLong;
    }
    const int shift = static_cast<int>(before.size());
    for (const std::size_t index : chosen) {
        const int start = model.marks()[index].start;
        const int end = model.marks()[index].end;
        const EditResult result =
            model.ReplaceRange(start, end, wrapped(before, model.GetRangeText(start, end), after),
                               {}, UndoMode::Edit, false);
        if (result != EditResult::Done) {
            return result;
        }
        model.marks()[index].start = start + shift;
        model.marks()[index].end = end + shift;
    }
    return EditResult::Done;
}

} // namespace

EditResult TagInsertion::WrapSelection(TextModel& model, std::string_view before,
                                       std::string_view after, bool useMarks) {
    return useMarks ? wrapMarks(model, before, after) : wrapSelected(model, before, after);
}

EditResult TagInsertion::InsertTagPair(TextModel& model, std::string_view openName,
                                       std::string_view closeName, bool useMarks) {
    if (closeName.empty()) {
        closeName = openName;
    }
    const std::string before = wrapped("<", openName, ">");
    const std::string after = wrapped("</", closeName, ">");
    return WrapSelection(model, before, after, useMarks);
}
