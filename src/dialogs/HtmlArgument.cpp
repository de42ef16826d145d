#include "HtmlArgument.h"

namespace HtmlArgument {

void Append(std::string& tag, std::string_view name, std::string_view value) {
    if (value.empty()) {
        return;
    }
    tag.append(" ").append(name).append("=").append(value);
}

void AppendQuoted(std::string& tag, std::string_view name, std::string_view value) {
    if (value.empty()) {
        return;
    }
    tag.append(" ").append(name).append("=\"").append(value).append("\"");
}

} // namespace HtmlArgument
