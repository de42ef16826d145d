#pragma once

#include "app/TipList.h"

#include <QDialog>

class QPlainTextEdit;

// "Tip of the Day": one tip chosen by the time of day, and "Next Tip" to
// step through the others.
class CTipDlg : public QDialog {
    Q_OBJECT

public:
    // r is the number of steps from the first tip (see TipList::start).
    CTipDlg(const QString& tipsPath, unsigned r, QWidget* parent = nullptr);

    // The step count for now: the same within one second.
    static unsigned stepsForNow();
    QString currentTip() const;

private:
    void showNextTip();

    TipList tips_;
    QPlainTextEdit* text_;
};
