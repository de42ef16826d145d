#pragma once

#include "app/CLinkRef.h"

#include <string>
#include <vector>

// One distinct link target and the places that refer to it, in the order
// they were found.
struct CLink {
    std::string text;
    std::vector<CLinkRef> refs;
};
