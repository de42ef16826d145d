#include "html/CValueSpec.h"

#include "html/ColorNames.h"

#include <algorithm>

namespace {

bool isIntegerText(std::string_view value) {
    return std::all_of(value.begin(), value.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-'; });
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isPercentText(std::string_view value) {
    if (value.empty() || value.back() != '%')
        return false;
    return std::all_of(value.begin(), value.end() - 1, isDigit);
}

bool isHexColor(std::string_view value) {
    if (value.size() != 7 || value.front() != '#')
        return false;
    return std::all_of(value.begin() + 1, value.end(),
                       [](char c) { return isDigit(c) || (c >= 'A' && c <= 'F'); });
}

} // namespace

bool CValueSpec::IsValidValue(std::string_view value, const ColorNames& colors) const {
    bool ok = value.empty();
    if (integer) {
        ok = isIntegerText(value);
        if (ok)
            return true;
    }
    if (percent) {
        if (isPercentText(value))
            return true;
        ok = false;
    }
    if (color) {
        if (colors.contains(value) || isHexColor(value))
            return true;
        ok = false;
    }
    if (string || javascript || image || windowname || url || font)
        return true;
    if (ok)
        return true;
    return findValue(value) != nullptr;
}

bool CValueSpec::IsFlagArgument() const {
    bool typed =
        integer || string || percent || color || javascript || image || windowname || url || font;
    return !typed && values.empty();
}

const CTagValue* CValueSpec::findValue(std::string_view upperText) const {
    for (const CTagValue& value : values) {
        if (value.text == upperText)
            return &value;
    }
    return nullptr;
}
