#include "app/FormatCommands.h"

#include "app/CommandIds.h"
#include "editor/TagInsertion.h"

bool FormatCommands::handles(int id) {
    switch (id) {
    case Cmd::Bold:
    case Cmd::Italic:
    case Cmd::Underline:
    case Cmd::Center:
    case Cmd::LineBreak:
    case Cmd::Paragraph:
        return true;
    default:
        return id >= Cmd::Header1 && id < Cmd::Header1 + 6;
    }
}

EditResult FormatCommands::insertAtSelection(TextModel& model, std::string_view tag) {
    const int start = model.GetSelection().start;
    const EditResult result = model.ReplaceSelection(tag);
    if (result == EditResult::Done) {
        const int after = start + static_cast<int>(tag.size());
        model.SetSelection(after, after);
    }
    return result;
}

EditResult FormatCommands::run(int id, TextModel& model, bool useMarks) {
    switch (id) {
    case Cmd::Bold:
        return TagInsertion::InsertTagPair(model, "B", "B", useMarks);
    case Cmd::Italic:
        return TagInsertion::InsertTagPair(model, "I", "I", useMarks);
    case Cmd::Underline:
        return TagInsertion::InsertTagPair(model, "U", "U", useMarks);
    case Cmd::Center:
        return TagInsertion::InsertTagPair(model, "CENTER", "CENTER", useMarks);
    case Cmd::LineBreak:
        return useMarks ? TagInsertion::WrapSelection(model, "", "<BR>", true)
                        : insertAtSelection(model, "<BR>");
    case Cmd::Paragraph:
        return useMarks ? TagInsertion::WrapSelection(model, "<P>", "", true)
                        : insertAtSelection(model, "<P>");
    default:
        break;
    }
    const char header[] = {'H', static_cast<char>('1' + id - Cmd::Header1), '\0'};
    return TagInsertion::InsertTagPair(model, header, "", useMarks);
}
