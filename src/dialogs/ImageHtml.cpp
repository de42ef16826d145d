#include "ImageHtml.h"

#include "HtmlArgument.h"

namespace ImageHtml {

std::string Build(const ImageFields& fields) {
    std::string tag = "<IMG";
    HtmlArgument::AppendQuoted(tag, "SRC", fields.src);
    HtmlArgument::AppendQuoted(tag, "LOWSRC", fields.lowSrc);
    HtmlArgument::Append(tag, "NAME", fields.name);
    HtmlArgument::AppendQuoted(tag, "ALT", fields.alt);
    HtmlArgument::Append(tag, "ALIGN", fields.align);
    HtmlArgument::Append(tag, "SUPPRESS", fields.suppress);
    HtmlArgument::Append(tag, "WIDTH", fields.width);
    HtmlArgument::Append(tag, "HEIGHT", fields.height);
    HtmlArgument::Append(tag, "BORDER", fields.border);
    HtmlArgument::Append(tag, "VSPACE", fields.vSpace);
    HtmlArgument::Append(tag, "HSPACE", fields.hSpace);
    // The dialog asks for a map name, so a filled field is written rather
    // than silently dropped.
    HtmlArgument::Append(tag, "USEMAP", fields.useMap);
    if (fields.isMap) {
        tag += " ISMAP";
    }
    tag += ">";
    return tag;
}

} // namespace ImageHtml
