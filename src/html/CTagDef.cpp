#include "html/CTagDef.h"

#include "html/AsciiText.h"

const CArgDef* CTagDef::FindArgument(std::string_view name) const {
    return findUpperArgument(AsciiText::upperCopy(name));
}

const CArgDef* CTagDef::findUpperArgument(std::string_view upperName) const {
    for (const CArgDef& argument : arguments) {
        if (argument.name == upperName)
            return &argument;
    }
    for (const CArgDef& argument : arguments) {
        if (argument.matchesWildcard(upperName))
            return &argument;
    }
    return nullptr;
}
