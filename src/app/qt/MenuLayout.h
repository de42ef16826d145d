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

// The editor's right-button menu.
std::vector<MenuEntry> ContextMenuLayout();

// One toolbar: the id of the command that shows it, its title and its
// buttons (a 0 is a separator).
struct ToolBarLayout {
    int id = 0;
    const char* title = "";
    std::vector<int> buttons;
};

// The four toolbars in the order they are docked; the third starts the
// second row.
std::vector<ToolBarLayout> ToolBarLayouts();
