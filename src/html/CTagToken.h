#pragma once

#include "html/CArgToken.h"

#include <string>
#include <string_view>
#include <vector>

// How much of a tag the tokenizer fills in. Spans leaves the argument
// names and values empty: colouring reads only offsets, and copying the
// strings was a fifth of its time.
enum class TokenDetail { Full, Spans };

// One complete tag found by the scanner. start is the first character after
// "<", end the index of the closing ">".
struct CTagToken {
    int start = 0;
    int end = 0;
    bool closing = false;
    std::string_view text; // start up to end, a view into the scanned text
    std::string name;      // upper-cased, without the "/" of a closing tag
    std::vector<CArgToken> arguments;
};
