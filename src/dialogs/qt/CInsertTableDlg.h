#pragma once

#include "dialogs/TableFields.h"
#include "dialogs/qt/InsertDialogParts.h"

#include <QDialog>
#include <string>
#include <vector>

class CUpDownEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;

// Collects a table's arguments, its caption and the size of its grid, or
// takes the grid from cells copied to the clipboard.
class CInsertTableDlg : public QDialog {
    Q_OBJECT

public:
    // aligns and captionAligns: the values the tag model offers for them.
    CInsertTableDlg(const std::vector<std::string>& aligns,
                    const std::vector<std::string>& captionAligns, ColourChooser chooseColour,
                    QWidget* parent = nullptr);

    TableFields fields() const;

private:
    void useClipboardToggled(bool on);

    CUpDownEdit* columns_;
    CUpDownEdit* rows_;
    QComboBox* align_;
    CUpDownEdit* border_;
    CUpDownEdit* cellpadding_;
    QLineEdit* bgColor_;
    CUpDownEdit* height_;
    CUpDownEdit* width_;
    CUpDownEdit* hSpace_;
    CUpDownEdit* vSpace_;
    QLineEdit* caption_;
    QComboBox* captionAlign_;
    QCheckBox* useClipboard_;
};
