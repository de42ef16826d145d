#include "TagTextInsertion.h"

#include "TagInsertion.h"

namespace {

EditResult replaceSelection(TextModel& model, std::string_view text) {
    const int start = model.GetSelection().start;
    const EditResult result = model.ReplaceSelection(text);
    if (result == EditResult::Done) {
        const int after = start + static_cast<int>(text.size());
        model.SetSelection(after, after);
    }
    return result;
}

// The tag without its first and last character, the way the pair insertion
// wants a name: "<A HREF=x>" gives "A HREF=x".
std::string_view innerText(std::string_view tagText) {
    if (tagText.size() < 2)
        return {};
    return tagText.substr(1, tagText.size() - 2);
}

} // namespace

EditResult TagTextInsertion::Insert(TextModel& model, std::string_view tagText, bool useMarks) {
    if (useMarks)
        return TagInsertion::WrapSelection(model, tagText, "", true);
    return replaceSelection(model, tagText);
}

EditResult TagTextInsertion::CloseTag(TextModel& model, std::string_view closingText,
                                      bool useMarks) {
    if (useMarks)
        return TagInsertion::WrapSelection(model, "", closingText, true);
    return replaceSelection(model, closingText);
}

EditResult TagTextInsertion::Around(TextModel& model, std::string_view tagText,
                                    std::string_view tagName, bool useMarks) {
    return TagInsertion::InsertTagPair(model, innerText(tagText), tagName, useMarks);
}
