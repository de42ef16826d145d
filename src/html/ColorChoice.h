#pragma once

#include <cstdint>
#include <string>

// A colour as the Choose Color dialog takes and gives it: a value laid out
// 0x00RRGGBB (so that its hexadecimal text reads as HTML writes it), a name,
// and whether the name is what was chosen.
struct ColorChoice {
    std::uint32_t value = 0;
    std::string name;
    bool byName = false;
    // The text the dialog started from gave a value rather than a name.
    bool hasValue = false;
};
