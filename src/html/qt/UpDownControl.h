#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// An up and a down arrow bound to a text field: each click counts the
// field's number one up or down within a range. The field stays free text,
// so a value like "50%" can still be typed; a text that is not a number
// counts from the lower end of the range.
class UpDownControl : public QWidget {
    Q_OBJECT

public:
    UpDownControl(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    // Sets the field to its number plus steps, held to the range.
    void stepBy(int steps);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy_;
    int minimum_;
    int maximum_;
    QToolButton* up_;
    QToolButton* down_;
};
