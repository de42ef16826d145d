#pragma once

#include <QAbstractSpinBox>

// A text field with up and down arrows. Any text may be typed (a width of
// "80%" stays as it is); the arrows, the arrow keys and the wheel write the
// field's leading number moved by one, held to the range. It starts empty,
// and an empty field means the value is not given.
class CUpDownEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    CUpDownEdit(int minimum, int maximum, QWidget* parent = nullptr);

    QString value() const;
    void setValue(const QString& text);

    void stepBy(int steps) override;

signals:
    void valueEdited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;

private:
    int minimum_;
    int maximum_;
};
