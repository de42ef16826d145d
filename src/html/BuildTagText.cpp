#include "html/BuildTagText.h"

namespace {

void appendArgument(std::string& text, const TagArgumentValue& argument) {
    if (IsFlagKind(argument.kind)) {
        if (argument.checked)
            text.append(" ").append(argument.name);
        return;
    }
    if (!argument.text.empty())
        text.append(" ").append(argument.name).append("=").append(argument.text);
}

} // namespace

std::string BuildTagText(std::string_view tagName, const std::vector<TagArgumentValue>& arguments) {
    std::string text = "<";
    text.append(tagName);
    for (const TagArgumentValue& argument : arguments)
        appendArgument(text, argument);
    text.append(">");
    return text;
}
