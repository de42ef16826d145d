#pragma once

#include "html/TextSpan.h"

#include <optional>
#include <string>
#include <string_view>

class CTagData;
struct CValueSpec;

// The argument value the selection stands in (or at the end of), of a tag
// and argument the vocabulary knows: what Follow Link and Choose Parameter
// work on.
struct CaretValue {
    std::string text;                    // as written, quotes included
    TextSpan span;                       // where text stands in the document
    const CValueSpec* allowed = nullptr; // what the argument's value may be
};

// None when the selection is not inside a value, or the tag or its argument
// is unknown.
std::optional<CaretValue> CaretValueAt(const CTagData& tagData, std::string_view text,
                                       int selectionStart, int caret);
