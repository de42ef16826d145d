#include "FontHtml.h"

#include <cstdio>

namespace {

constexpr int TenthsPerSizeStep = 102;

void addStyle(FontHtml& html, bool chosen, const char* name) {
    if (!chosen) {
        return;
    }
    html.open += std::string("<") + name + ">";
    html.close = std::string("</") + name + ">" + html.close;
}

// Six lower-case hex digits RRGGBB, zero-padded, in double quotes.
std::string colourValue(std::uint32_t colorRef) {
    const unsigned red = colorRef & 0xFFu;
    const unsigned green = (colorRef >> 8) & 0xFFu;
    const unsigned blue = (colorRef >> 16) & 0xFFu;
    char digits[16];
    std::snprintf(digits, sizeof digits, "\"#%06x\"", (red << 16) | (green << 8) | blue);
    return digits;
}

} // namespace

FontHtml FontHtml::Build(const FontChoice& choice) {
    FontHtml html;
    addStyle(html, choice.weight == FontChoice::BoldWeight, "B");
    addStyle(html, choice.italic, "I");
    addStyle(html, choice.underline, "U");
    addStyle(html, choice.strikeOut, "STRIKE");
    html.close = "</FONT>" + html.close;
    if (!choice.faceName.empty()) {
        html.open += "<FONT FACE=\"" + choice.faceName + "\" COLOR=";
    } else {
        html.open += "<FONT COLOR=";
    }
    html.open += colourValue(choice.colour);
    html.open += " SIZE=" + std::to_string(choice.pointSizeTenths / TenthsPerSizeStep) + ">";
    return html;
}

std::string FontHtml::openName() const {
    // open always starts with "<" and ends with ">".
    return open.substr(1, open.size() - 2);
}

std::string FontHtml::closeName() const {
    // close always starts with "</" and ends with ">".
    return close.substr(2, close.size() - 3);
}
