#include "WidestLine.h"

#include "editor/TextModel.h"

int WidestLine::columns(const TextModel& model) {
    if (known_ && generation_ == model.generation()) {
        return widest_.columns;
    }
    const ViewGeometry view(model.text(), 0, 0, 1, 1);
    const bool oneChange = known_ && generation_ + 1 == model.generation();
    if (!oneChange || !followChange(view, model)) {
        widest_ = view.widestLineBetween(0, model.length());
    }
    generation_ = model.generation();
    known_ = true;
    return widest_.columns;
}

bool WidestLine::followChange(const ViewGeometry& view, const TextModel& model) {
    const TextChange change = model.lastChange();
    const ViewGeometry::LineWidth touched =
        view.widestLineBetween(change.start, change.start + change.inserted);
    if (touched.columns >= widest_.columns) {
        widest_ = touched; // no untouched line is wider than the old widest
        return true;
    }
    // The widest line's own line feeds decide whether the change reached it.
    if (widest_.end < change.start) {
        return true;
    }
    if (widest_.start > change.start + change.removed) {
        const int shift = change.inserted - change.removed;
        widest_.start += shift;
        widest_.end += shift;
        return true;
    }
    return false;
}
