#pragma once

#include "dialogs/FontChoice.h"

#include <QColor>
#include <QDialog>

class QCheckBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// Chooses the face, style, effects, colour and size for the Font command.
class CFontDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFontDlg(QWidget* parent = nullptr);

    FontChoice choice() const;

private:
    void pickColour();
    void updateSample();

    QFontComboBox* face_;
    QSpinBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QCheckBox* underline_;
    QCheckBox* strikeOut_;
    QPushButton* colourButton_;
    QLabel* sample_;
    QColor colour_ = Qt::black;
};
