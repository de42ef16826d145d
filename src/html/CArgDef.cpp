#include "html/CArgDef.h"

#include "html/AsciiText.h"

bool CArgDef::matchesWildcard(std::string_view upperName) const {
    if (!isWildcard())
        return false;
    std::string_view prefix = std::string_view(name).substr(0, name.size() - 1);
    return AsciiText::startsWith(upperName, prefix);
}

const CTagValue* CArgDef::FindValue(std::string_view text) const {
    return values.findValue(AsciiText::upperCopy(text));
}
