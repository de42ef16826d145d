#pragma once

#include "editor/ColorPassResult.h"

class TextModel;

// Applying a colouring pass on the thread that owns the model.
namespace ColorApply {

// Writes the pass's colours and upper-casing into the model and then draws
// the marks over them. Does nothing and returns false when the text has
// changed since the pass's snapshot: its offsets would land on moved text.
bool applyPass(TextModel& model, const ColorPassResult& result);

// Gives every drawn mark its colour over whatever the pass wrote; a later
// mark wins where marks overlap. Parts of a mark outside the text are skipped.
void overlayMarks(TextModel& model);

} // namespace ColorApply
