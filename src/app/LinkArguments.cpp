#include "app/LinkArguments.h"

#include "html/AsciiText.h"
#include "html/CTagData.h"
#include "html/CTagScanner.h"

std::string WrittenLinkValue(std::string_view text, const CArgToken& argument) {
    return WrittenValueOf(
        text.substr(argument.valueStart, argument.valueEnd - argument.valueStart));
}

std::string WrittenValueOf(std::string_view span) {
    std::string_view value = AsciiText::trimTagSpace(span);
    if (!value.empty() && value.front() == '"') {
        value.remove_prefix(1);
    }
    if (!value.empty() && value.back() == '"') {
        value.remove_suffix(1);
    }
    return std::string(value);
}

void ForEachLinkArgument(
    const CTagData& tagData, std::string_view text,
    const std::function<void(const CArgToken& argument, std::string value)>& visit) {
    CTagScanner scanner(text);
    CTagToken tag;
    while (scanner.NextTag(tag)) {
        const CTagDef* definition = tagData.findUpperTag(tag.name);
        if (definition == nullptr) {
            continue;
        }
        for (const CArgToken& argument : tag.arguments) {
            const CArgDef* argumentDef = definition->findUpperArgument(argument.name);
            if (argument.hasValue && argumentDef != nullptr && argumentDef->values.link) {
                visit(argument, WrittenLinkValue(text, argument));
            }
        }
    }
}
