#pragma once

#include "html/CValueSpec.h"

#include <string>
#include <string_view>

// One argument (attribute) a tag accepts. A name ending in '*' is a wildcard
// that stands for every name beginning with the text before it.
struct CArgDef {
    std::string name;
    CValueSpec values;
    std::string info;

    bool isWildcard() const { return !name.empty() && name.back() == '*'; }
    bool matchesWildcard(std::string_view upperName) const;

    // Upper-cases a copy of text and returns the first predefined value
    // equal to it, or nullptr.
    const CTagValue* FindValue(std::string_view text) const;
};
