#pragma once

#include <string>

// One predefined value of an argument, as written in the tag data file.
struct CTagValue {
    std::string text;
};
