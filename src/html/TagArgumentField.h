#pragma once

#include "html/ArgControlKind.h"

struct CArgDef;

// One argument as Insert Tag offers it: its definition, how its value is
// given and whether it is one of the arguments most tags share.
struct TagArgumentField {
    const CArgDef* definition = nullptr;
    ArgControlKind kind = ArgControlKind::Text;
    bool shared = false;
};
