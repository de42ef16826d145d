#pragma once

#include <QString>
#include <vector>

// One entry of a menu: a command, a separator or a sub-menu.
struct MenuEntry {
    enum Kind { Command, Separator, SubMenu, WindowList, RecentFiles, RecentProjects };
    Kind kind = Command;
    int id = 0;
    QString title;                   // for a sub-menu
    std::vector<MenuEntry> children; // for a sub-menu
};

struct MenuLayout {
    QString title;
    std::vector<MenuEntry> entries;
};

// Which menus the menu bar shows: with no child window active, with a
// document active and with an error log active.
enum class MenuBarKind { NoChild, Document, ErrorLog };

std::vector<MenuLayout> MenuBarLayout(MenuBarKind kind);
