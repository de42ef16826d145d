#pragma once

#include "TextModel.h"

#include <string_view>
#include <vector>

// The replacements of one command that makes many of them (Replace All, the
// commands over marks): undo and redo take them whole, as one step, and the
// selection stays on the text it covered, or collapses where that text was
// rewritten, so it never lies on bytes that merely moved under it.
//
// Nothing is left open in the model between two replacements: a command may
// stop after any of them, also when a question asked in between has closed
// the document and the model is gone.
class EditGroup {
public:
    explicit EditGroup(TextModel& model);

    // The replace primitive with the selection kept (undo mode Edit for the
    // first replacement, EditContinued after it).
    EditResult replace(int start, int end, std::string_view text, bool dropMarks);
    // The same as replace(start, start + removed, text, dropMarks) for each
    // of starts in turn, but the text moves once. starts are offsets of the
    // text before any of them, ascending, at least removed bytes apart.
    EditResult replaceEach(const std::vector<int>& starts, int removed, std::string_view text,
                           bool dropMarks);
    // Puts before and after around [start, end) in one replacement that
    // keeps the marks. The selection follows as it would two insertions, so
    // a selection of wrapped text stays on that text.
    EditResult wrap(int start, int end, std::string_view before, std::string_view after);

    // The selection the command keeps. A command may select something else
    // meanwhile (a match it asks about); each replacement and the command's
    // end put this one back.
    Selection selection() const { return kept_; }
    const TextModel& model() const { return model_; }
    TextModel& model() { return model_; }

private:
    EditResult apply(int start, int end, std::string_view text, bool dropMarks,
                     const Selection& after);

    TextModel& model_;
    Selection kept_;
    bool started_ = false;
};
