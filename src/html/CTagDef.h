#pragma once

#include "html/CArgDef.h"

#include <string>
#include <string_view>
#include <vector>

// One tag of the vocabulary: its arguments, where it may stand, whether it
// has a closing tag and whether it suspends colouring and checking.
struct CTagDef {
    std::string name;
    std::vector<CArgDef> arguments;
    bool open = false;
    bool suspend = false;
    bool totalSuspend = false;
    // Names of the tags this one may stand in, in file order; "ROOT" as the
    // first entry means anywhere. Every "(WITHIN)" line is kept.
    std::vector<std::string> within;
    std::string group;
    std::string info;

    // Upper-cases a copy of name. An exact match wins; otherwise the first
    // wildcard definition in file order that covers the name.
    const CArgDef* FindArgument(std::string_view name) const;

    // The same lookup for a name that is upper case already.
    const CArgDef* findUpperArgument(std::string_view upperName) const;
};
