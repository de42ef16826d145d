#pragma once

#include <string>

// One line of the CodeHelper list: what is shown and inserted, the text the
// status bar shows while it is selected, and when it was added.
struct CListEntry {
    std::string text;
    std::string info;
    int index = 0;
};
