#pragma once

#include <string>

// What Insert Anchor asks for, as typed.
struct AnchorFields {
    std::string path;    // HREF
    std::string target;  // TARGET
    std::string name;    // NAME
    std::string caption; // the text between the tags
};
