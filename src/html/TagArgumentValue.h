#pragma once

#include "html/ArgControlKind.h"

#include <string>

// What the user gave one argument in Insert Tag: the text of its field, or
// for a check box whether it is checked.
struct TagArgumentValue {
    std::string name;
    ArgControlKind kind = ArgControlKind::Text;
    std::string text;
    bool checked = false;
};
