#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

// What an editor asks of the application around it. Each hook may be left
// empty: the editor then assumes the switch is off, and shows a message in
// a plain message box.
struct EditBoxHooks {
    // The application-wide "Use Marks" switch.
    std::function<bool()> useMarks;
    // Whether the link validation window is open (its marks then stay put).
    std::function<bool()> linkValidationOpen;
    // Tells the user about a refused or failed operation.
    std::function<void(const QString& text, const QString& caption)> showMessage;
    // Whether a menu command is bound to this key (Shift+Return runs Line
    // Break); such a key is never typed into the text.
    std::function<bool(const QKeySequence& key)> isCommandKey;
};
