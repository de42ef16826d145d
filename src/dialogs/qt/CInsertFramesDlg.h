#pragma once

#include "dialogs/FramesFields.h"
#include "dialogs/qt/InsertDialogParts.h"

#include <QDialog>
#include <string>
#include <vector>

class CUpDownEdit;
class QComboBox;
class QLineEdit;
class QSpinBox;

// Collects a frame set's grid, the size of each column and row (edited one
// at a time) and its border.
class CInsertFramesDlg : public QDialog {
    Q_OBJECT

public:
    // frameBorders: the values the tag model offers for FRAMEBORDER.
    CInsertFramesDlg(const std::vector<std::string>& frameBorders, ColourChooser chooseColour,
                     QWidget* parent = nullptr);

    FramesFields fields() const;

private:
    void countChanged();
    void editedColumnChosen(int index);
    void editedRowChosen(int index);
    void refresh();

    FramesFields fields_;
    int editCol_ = 0;
    int editRow_ = 0;
    // Set while the dialog writes its own controls, whose change signals
    // must then not count as the user's edits.
    bool updating_ = false;

    QSpinBox* colCount_;
    QSpinBox* rowCount_;
    QComboBox* editColChooser_;
    QComboBox* editRowChooser_;
    CUpDownEdit* width_;
    CUpDownEdit* height_;
    QComboBox* frameBorder_;
    CUpDownEdit* border_;
    QLineEdit* borderColor_;
};
