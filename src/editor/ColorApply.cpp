#include "editor/ColorApply.h"

#include "editor/TextModel.h"
#include "html/AsciiText.h"

#include <algorithm>

namespace {

// Upper-casing rewrites bytes in place: no undo step, no modified flag.
void applyUpperCase(TextModel& model, const ColorPassResult& result) {
    for (const ColorPassResult::Span& span : result.upperCase) {
        std::string bytes = AsciiText::upperCopy(model.GetRangeText(span.start, span.end));
        model.OverwriteBytes(span.start, bytes);
    }
}

} // namespace

namespace ColorApply {

bool applyPass(TextModel& model, const ColorPassResult& result) {
    if (model.generation() != result.generation || result.regionEnd() > model.length())
        return false;
    if (!model.WriteAttributes(result.regionStart, result.attributes))
        return false;
    applyUpperCase(model, result);
    overlayMarks(model);
    return true;
}

void overlayMarks(TextModel& model) {
    for (const CMarkRecord& mark : model.marks()) {
        if (mark.colour == CMarkRecord::ColourNotDrawn || mark.colour < 0 || mark.colour > 255)
            continue;
        int start = std::clamp(mark.start, 0, model.length());
        int end = std::clamp(mark.end, start, model.length());
        model.SetAttributes(start, end, static_cast<std::uint8_t>(mark.colour));
    }
}

} // namespace ColorApply
