#pragma once

#include <string_view>

// What the user sees of one command: its menu text (with the '&' mnemonic and
// the shortcut text after a tab), the status-bar prompt, the tool tip, the
// key sequences that run it ("Ctrl+Shift+T", several separated by "; ") and its toolbar icon's
// name.
struct CommandInfo {
    int id = 0;
    std::string_view menuText;
    std::string_view prompt;
    std::string_view toolTip;
    std::string_view shortcut;
    std::string_view icon;
};
