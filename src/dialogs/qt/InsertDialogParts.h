#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QDialog;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Chooses a file and gives its link text; "" when cancelled.
using FileBrowser = std::function<QString()>;
// Chooses a colour and gives its text; nothing when cancelled.
using ColourChooser = std::function<std::optional<QString>()>;

// The pieces the insert dialogs share.
namespace InsertDialogParts {

// An editable drop-down of the tag model's values, sorted, starting empty.
QComboBox* valueChooser(const std::vector<std::string>& values, QWidget* parent);

// A "..." button that writes what pick gives into field, unless it gave
// nothing.
QPushButton* browseButton(QLineEdit* field, FileBrowser pick, QWidget* parent);
QPushButton* colourButton(QLineEdit* field, ColourChooser pick, QWidget* parent);

// OK and Cancel under the dialog's grid.
void finish(QDialog& dialog, QGridLayout* grid);

std::string textOf(const QLineEdit* field);
std::string textOf(const QComboBox* chooser);

} // namespace InsertDialogParts
