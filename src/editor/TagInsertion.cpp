#include "TagInsertion.h"

#include "EditGroup.h"

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

// The marks are chosen before the first wrap: the text only grows, so a mark
// that lies outside the text at the start must not be picked up later. Each
// wrap keeps the marks, so none is dropped and the indexes stay valid; the
// mark that was wrapped, and every mark inside it, is then moved over its
// text again, so that a user mark inside another is wrapped where its text
// now stands.
EditResult wrapMarks(TextModel& model, std::string_view before, std::string_view after) {
    MarkList& marks = model.markList();
    const std::vector<std::size_t> chosen = marks.userMarksWithin(model.length());
    const long long growth = static_cast<long long>(before.size() + after.size());
    if (model.length() + growth * static_cast<long long>(chosen.size()) > TextModel::Capacity) {
        return EditResult::TooLong;
    }
    const int shift = static_cast<int>(before.size());
    EditGroup edits(model);
    for (const std::size_t index : chosen) {
        const int start = marks.records()[index].start;
        const int end = marks.records()[index].end;
        const EditResult result = edits.wrap(start, end, before, after);
        if (result != EditResult::Done) {
            return result;
        }
        marks.moveCovered(start, end, shift, index);
        marks.moveTo(index, start + shift, end + shift);
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
