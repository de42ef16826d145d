#pragma once

#include <string>
#include <string_view>

// One argument of a scanned tag. Spans are offsets into the scanned text,
// end exclusive. name and value are trimmed and upper-cased; the value also
// loses one leading and one trailing double quote. Both stay empty when the
// scan fills spans only.
struct CArgToken {
    bool hasValue = false;
    std::string_view raw; // a view into the scanned text
    std::string name;
    std::string value;
    int start = 0;
    int end = 0;
    int nameStart = 0;
    int nameEnd = 0;
    int valueStart = 0; // the character after "="; equal to end without a value
    int valueEnd = 0;
};
