#include "editor/FormatCommands.h"

#include "editor/TagInsertion.h"

EditResult FormatCommands::insertAtSelection(TextModel& model, std::string_view tag) {
    const int start = model.GetSelection().start;
    const EditResult result = model.ReplaceSelection(tag);
    if (result == EditResult::Done) {
        const int after = start + static_cast<int>(tag.size());
        model.SetSelection(after, after);
    }
    return result;
}

EditResult FormatCommands::run(const FormatTag& tag, TextModel& model, bool useMarks) {
    switch (tag.kind) {
    case FormatTag::Pair:
        return TagInsertion::InsertTagPair(model, tag.open, tag.close, useMarks);
    case FormatTag::Before:
        return useMarks ? TagInsertion::WrapSelection(model, tag.open, "", true)
                        : insertAtSelection(model, tag.open);
    case FormatTag::After:
        return useMarks ? TagInsertion::WrapSelection(model, "", tag.open, true)
                        : insertAtSelection(model, tag.open);
    }
    return EditResult::BadRange;
}
