#pragma once

#include <cstdint>
#include <string>

// What the font dialog returns: the face, the styles, the colour as
// 0x00BBGGRR and the size in tenths of a point.
struct FontChoice {
    static constexpr int BoldWeight = 700;

    std::string faceName;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint32_t colour = 0;
    int pointSizeTenths = 100;
};
