#pragma once

#include <QString>

// How a command looks right now: whether it may run, whether its item is
// checked, and a text that replaces the menu text when not empty.
struct CommandState {
    bool enabled = true;
    bool checkable = false; // a toggle: its item shows a check mark when checked
    bool checked = false;
    QString text;
};

// A window that handles commands: the active child window is asked first,
// then the main window.
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // True when this target handles id; state then says how it looks.
    virtual bool commandState(int id, CommandState& state) = 0;
    // Runs id; true when this target handled it.
    virtual bool runCommand(int id) = 0;
};
