#pragma once

#include "html/TagArgumentField.h"
#include "html/TagArgumentValue.h"

#include <QString>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class UpDownControl;

// The controls of one argument in Insert Tag, all in one cell widget: the
// name with a colon above the input (an edit field, an editable list of the
// predefined values or an "Enable" check box), with an up-down control for
// integers and "..." buttons for a file and a colour.
class CArgControl {
public:
    using ButtonHandler = std::function<void(CArgControl& control)>;

    // The widgets become children of parent.
    CArgControl(const TagArgumentField& field, QWidget* parent, const ButtonHandler& browseFile,
                const ButtonHandler& chooseColor);

    ArgControlKind kind() const { return kind_; }
    bool shared() const { return shared_; }
    // The argument's name: the label's text without its colon.
    std::string name() const;
    bool matches(const QString& filter) const;

    // The field's text ("" for a check box) and its replacement.
    QString text() const;
    void setText(const QString& text);
    TagArgumentValue value() const;

    QWidget* cell() const { return cell_; }
    QLabel* label() const { return label_; }
    // The text field of an edit field or of the drop-down list, else null.
    QLineEdit* lineEdit() const;
    QComboBox* comboBox() const { return combo_; }
    QCheckBox* checkBox() const { return check_; }
    UpDownControl* spin() const { return spin_; }
    QPushButton* fileButton() const { return fileButton_; }
    QPushButton* colorButton() const { return colorButton_; }

private:
    QWidget* buildInput(const TagArgumentField& field);
    QPushButton* addButton(const QString& toolTip, const ButtonHandler& handler);

    ArgControlKind kind_;
    bool shared_;
    QWidget* cell_;
    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QComboBox* combo_ = nullptr;
    QCheckBox* check_ = nullptr;
    UpDownControl* spin_ = nullptr;
    QPushButton* fileButton_ = nullptr;
    QPushButton* colorButton_ = nullptr;
};
