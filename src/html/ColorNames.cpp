#include "html/ColorNames.h"

#include "html/AsciiText.h"
#include "html/TextLines.h"

void ColorNames::loadFromText(std::string_view text) {
    names_.clear();
    TextLines lines(text);
    std::string_view line;
    while (lines.next(line))
        names_.push_back(AsciiText::upperCopy(AsciiText::trimLine(line)));
}

bool ColorNames::contains(std::string_view upperName) const {
    for (const std::string& name : names_) {
        if (name == upperName)
            return true;
    }
    return false;
}
