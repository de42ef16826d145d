#include "html/TagInfoText.h"

#include "html/CCaretTag.h"
#include "html/CTagData.h"

namespace {

bool onArgument(int positionClass) {
    return positionClass == CCaretTag::InArgument || positionClass == CCaretTag::InValue ||
           positionClass == CCaretTag::AfterArgumentName || positionClass == CCaretTag::AtValueEnd;
}

} // namespace

std::string TagInfoText(const CTagData& tagData, std::string_view text, int position,
                        const std::optional<std::string>& markReason) {
    if (markReason)
        return *markReason;
    std::optional<CCaretTag> tag = CaretTagAt(text, position);
    if (!tag)
        return {};
    ClassifyCaretTag(*tag);
    std::string_view name = tag->firstWord();
    bool closing = !name.empty() && name.front() == '/';
    if (closing)
        name.remove_prefix(1);
    const CTagDef* definition = tagData.FindTag(name);
    if (!definition)
        return {};
    if (onArgument(tag->positionClass)) {
        if (const CArgDef* argument = definition->FindArgument(tag->argumentName()))
            return argument->info;
    }
    return closing ? "End of " + definition->info : definition->info;
}
