#include "AnchorHtml.h"

#include "HtmlArgument.h"

namespace AnchorHtml {

std::string Opening(const AnchorFields& fields) {
    std::string tag = "<A";
    HtmlArgument::Append(tag, "HREF", fields.path);
    HtmlArgument::Append(tag, "TARGET", fields.target);
    HtmlArgument::Append(tag, "NAME", fields.name);
    tag += ">";
    return tag;
}

std::string Element(const AnchorFields& fields) {
    return Opening(fields) + fields.caption + std::string(Closing);
}

} // namespace AnchorHtml
