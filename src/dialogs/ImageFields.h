#pragma once

#include <string>

// What Insert Image asks for, as typed; the sizes are text, so "50%" is kept.
struct ImageFields {
    std::string src;
    std::string lowSrc;
    std::string alt;
    std::string name;
    std::string align;
    std::string suppress;
    std::string width;
    std::string height;
    std::string border;
    std::string vSpace;
    std::string hSpace;
    std::string useMap;
    bool isMap = false;
};
