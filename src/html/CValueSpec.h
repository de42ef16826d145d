#pragma once

#include "html/CTagValue.h"

#include <string_view>
#include <vector>

class ColorNames;

// What an argument's value may be: its predefined values and ten type flags,
// each set by the keyword of the same name in the tag data file.
struct CValueSpec {
    std::vector<CTagValue> values;
    bool integer = false;
    bool string = false;
    bool percent = false;
    bool color = false;
    bool javascript = false;
    bool image = false;
    bool windowname = false;
    bool url = false;
    bool font = false;
    bool link = false;

    // value must already be trimmed and upper-cased by the caller.
    bool IsValidValue(std::string_view value, const ColorNames& colors) const;

    // True for an argument written without a value (a check box in Insert
    // Tag). The link flag does not count: a LINK-only argument still has one.
    bool IsFlagArgument() const;

    // The first predefined value equal to text, or nullptr.
    const CTagValue* findValue(std::string_view upperText) const;
};
