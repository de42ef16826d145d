#pragma once

#include "TextModel.h"

#include <string_view>

// The two primitives that put HTML around the selection, or with useMarks
// around the text of every user mark. Nothing changes when the result would
// pass the capacity (TooLong). The caller recolours and redraws after Done.
class TagInsertion {
public:
    // Without marks: one undo step, and the wrapped text stays selected (an
    // empty selection ends up between the two texts). With marks: one step
    // per user mark, and each mark stays over the text it covered.
    static EditResult WrapSelection(TextModel& model, std::string_view before,
                                    std::string_view after, bool useMarks);

    // "<openName>" before and "</closeName>" after; an empty closeName
    // repeats openName.
    static EditResult InsertTagPair(TextModel& model, std::string_view openName,
                                    std::string_view closeName, bool useMarks);
};
