#include "html/CaretValue.h"

#include "html/CCaretTag.h"
#include "html/CTagData.h"

std::optional<CaretValue> CaretValueAt(const CTagData& tagData, std::string_view text,
                                       int selectionStart, int caret) {
    std::optional<CCaretTag> tag = CaretTagAt(text, selectionStart, caret);
    if (!tag) {
        return std::nullopt;
    }
    ClassifyCaretTag(*tag);
    if (tag->positionClass != CCaretTag::InValue && tag->positionClass != CCaretTag::AtValueEnd) {
        return std::nullopt;
    }
    const CTagDef* definition = tagData.FindTag(tag->firstWord());
    const CArgDef* argument =
        definition != nullptr ? definition->FindArgument(tag->argumentName()) : nullptr;
    if (argument == nullptr) {
        return std::nullopt;
    }
    const std::optional<TextSpan> span = CaretTagSpan(*tag, CCaretTag::SpanValue);
    return CaretValue{tag->valueText, span.value_or(TextSpan{}), &argument->values};
}
