#include "dialogs/qt/CUpDownEdit.h"

#include <QLineEdit>
#include <algorithm>

CUpDownEdit::CUpDownEdit(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CUpDownEdit::valueEdited);
}

QString CUpDownEdit::value() const {
    return lineEdit()->text();
}

void CUpDownEdit::setValue(const QString& text) {
    lineEdit()->setText(text);
}

// The number the field starts with; a field without one steps from the
// bottom of the range.
void CUpDownEdit::stepBy(int steps) {
    const QString text = value().trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits).isDigit() && digits < 9) {
        ++digits;
    }
    const int current = digits == 0 ? minimum_ : text.left(digits).toInt();
    setValue(QString::number(std::clamp(current + steps, minimum_, maximum_)));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CUpDownEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State CUpDownEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

void CUpDownEdit::fixup(QString&) const {}
