#pragma once

#include "editor/TextModel.h"

// The Format menu's tag commands on a document's model: Bold, Italic,
// Underline, Center and H1 to H6 wrap the selection (or every user mark) in
// a tag pair; Line Break and Paragraph put "<BR>" or "<P>" in place of the
// selection, or after (before) every marked text.
class FormatCommands {
public:
    // Whether id is one of these commands.
    static bool handles(int id);
    // Runs id; TooLong changes nothing. The caller recolours and redraws.
    static EditResult run(int id, TextModel& model, bool useMarks);

private:
    static EditResult insertAtSelection(TextModel& model, std::string_view tag);
};
