#pragma once

#include "TextModel.h"

#include <string_view>

// How Insert Tag puts its texts into a document. Nothing changes when the
// result would pass the capacity (TooLong). The caller recolours and redraws
// after Done.
class TagTextInsertion {
public:
    // The opening tag: it replaces the selection and the caret goes right
    // after it, or with useMarks it goes before every user mark.
    static EditResult Insert(TextModel& model, std::string_view tagText, bool useMarks);

    // The closing tag: as Insert, but with useMarks it goes after every mark.
    static EditResult CloseTag(TextModel& model, std::string_view closingText, bool useMarks);

    // The opening tag before and "</tagName>" after the selection, or with
    // useMarks around every mark. tagText is the whole opening tag, "<" and
    // ">" included.
    static EditResult Around(TextModel& model, std::string_view tagText, std::string_view tagName,
                             bool useMarks);
};
