#pragma once

#include "TextModel.h"

class CTagData;

// Commands that rewrite the selected text as a whole. Each is one undo step
// that keeps the selection start; a command that would change nothing
// records no step. The caller recolours and redraws after Done.
class TextTransforms {
public:
    // Re-indents the lines from the start of the selection start's line up
    // to the caret by tag nesting: every line after the first starts with
    // as many tabs as the first line plus the depth of the open tags that
    // the tag data does not mark (OPEN). The caret follows the tabs added
    // or removed.
    static EditResult SmartTabs(TextModel& model, const CTagData& tags);

    // These act on the selection and the byte at the caret as well, so that
    // an empty selection converts the byte under the caret. The marks stay
    // where they were, also through undo and redo.
    static EditResult UpperCase(TextModel& model);
    static EditResult LowerCase(TextModel& model);
    // Lower-cases the letters outside tags and capitalises the first letter
    // of each sentence: the first letter, one after ".", after a tag's ">"
    // and after an empty line.
    static EditResult SmartCase(TextModel& model);
};
