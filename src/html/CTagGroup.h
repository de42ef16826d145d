#pragma once

#include <string>

// A group of tags for the Insert Tag and HTML Language trees.
struct CTagGroup {
    std::string name;
};
