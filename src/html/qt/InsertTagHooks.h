#pragma once

#include "editor/TextModel.h"
#include "html/ColorChoice.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

class CMyEditBox;
class QWidget;

// What Insert Tag asks of the program, each at the moment of a click: the
// document window active now, the Use Marks switch and the dialogs a test
// answers.
struct InsertTagHooks {
    // The editor of the active document window, or null.
    std::function<CMyEditBox*()> activeEditor;
    // The path of the active document; "" without one or while it is untitled.
    std::function<std::string()> activePath;
    std::function<bool()> useMarks;
    // A file to link to; "" when cancelled.
    std::function<QString(QWidget* owner)> chooseFile;
    // Choose Color preset from initial; nothing when cancelled.
    std::function<std::optional<ColorChoice>(QWidget* owner, const ColorChoice& initial)>
        chooseColor;
    // Tells the user why nothing was inserted.
    std::function<void(QWidget* owner, EditResult result)> refused;
};
