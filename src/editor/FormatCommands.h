#pragma once

#include "editor/TextModel.h"

#include <string_view>

// How a Format command puts its tag into the text.
struct FormatTag {
    enum Kind {
        Pair,   // wraps the selection (or every user mark) in open ... close
        Before, // puts text in place of the selection, or before every marked text
        After,  // puts text in place of the selection, or after every marked text
    };
    Kind kind = Pair;
    std::string_view open;  // Pair: the opening tag's name; else the tag text
    std::string_view close; // Pair: the closing tag's name ("" for the opening one's)
};

// The Format menu's tag commands on a document's model.
class FormatCommands {
public:
    // TooLong changes nothing. The caller recolours and redraws.
    static EditResult run(const FormatTag& tag, TextModel& model, bool useMarks);

private:
    static EditResult insertAtSelection(TextModel& model, std::string_view tag);
};
