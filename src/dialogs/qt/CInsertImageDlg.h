#pragma once

#include "dialogs/ImageFields.h"
#include "dialogs/qt/InsertDialogParts.h"

#include <QDialog>
#include <string>
#include <vector>

class CUpDownEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;

// Collects the arguments of an image tag.
class CInsertImageDlg : public QDialog {
    Q_OBJECT

public:
    // aligns and suppresses: the values the tag model offers for them.
    CInsertImageDlg(const std::vector<std::string>& aligns,
                    const std::vector<std::string>& suppresses, FileBrowser browse,
                    QWidget* parent = nullptr);

    ImageFields fields() const;

private:
    QLineEdit* src_;
    QLineEdit* lowSrc_;
    QLineEdit* alt_;
    QLineEdit* name_;
    QComboBox* align_;
    QComboBox* suppress_;
    CUpDownEdit* width_;
    CUpDownEdit* height_;
    CUpDownEdit* vSpace_;
    CUpDownEdit* border_;
    CUpDownEdit* hSpace_;
    QLineEdit* useMap_;
    QCheckBox* isMap_;
};
