#include "html/qt/CArgControl.h"

#include "html/CArgDef.h"
#include "html/qt/UpDownControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kSpinMaximum = 9999;

} // namespace

CArgControl::CArgControl(const TagArgumentField& field, QWidget* parent,
                         const ButtonHandler& browseFile, const ButtonHandler& chooseColor)
    : kind_(field.kind), shared_(field.shared), cell_(new QWidget(parent)) {
    const CArgDef& definition = *field.definition;
    label_ = new QLabel(QString::fromStdString(definition.name) + QLatin1Char(':'), cell_);
    label_->setToolTip(QString::fromStdString(definition.info));

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto* layout = new QVBoxLayout(cell_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(label_);
    layout->addLayout(row);

    QWidget* input = buildInput(field);
    label_->setBuddy(input);
    // A check box keeps to its text, so that a click beside it does nothing.
    row->addWidget(input, check_ != nullptr ? 0 : 1);
    if (check_ != nullptr)
        row->addStretch(1);
    if (definition.values.integer && lineEdit() != nullptr) {
        spin_ = new UpDownControl(lineEdit(), 0, kSpinMaximum, cell_);
        row->addWidget(spin_);
    }
    if (definition.values.url) {
        fileButton_ = addButton(QStringLiteral("Choose a file"), browseFile);
        row->addWidget(fileButton_);
    }
    if (definition.values.color) {
        colorButton_ = addButton(QStringLiteral("Choose a colour"), chooseColor);
        row->addWidget(colorButton_);
    }
}

QWidget* CArgControl::buildInput(const TagArgumentField& field) {
    const CValueSpec& values = field.definition->values;
    if (field.kind == ArgControlKind::Flag) {
        check_ = new QCheckBox(QStringLiteral("Enable"), cell_);
        return check_;
    }
    if (!values.values.empty()) {
        combo_ = new QComboBox(cell_);
        combo_->setEditable(true);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        // Long values (the event names of some lists) must not widen the
        // column past the scrolling area.
        combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo_->setMinimumContentsLength(8);
        for (const CTagValue& value : values.values)
            combo_->addItem(QString::fromStdString(value.text));
        combo_->setCurrentIndex(-1);
        combo_->setEditText(QString());
        return combo_;
    }
    edit_ = new QLineEdit(cell_);
    return edit_;
}

QPushButton* CArgControl::addButton(const QString& toolTip, const ButtonHandler& handler) {
    auto* button = new QPushButton(QStringLiteral("..."), cell_);
    button->setToolTip(toolTip);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    QObject::connect(button, &QPushButton::clicked, cell_, [this, handler] {
        if (handler)
            handler(*this);
    });
    return button;
}

std::string CArgControl::name() const {
    const QString text = label_->text();
    return text.left(text.size() - 1).toStdString();
}

bool CArgControl::matches(const QString& filter) const {
    return label_->text().left(label_->text().size() - 1).contains(filter, Qt::CaseInsensitive);
}

QLineEdit* CArgControl::lineEdit() const {
    return combo_ != nullptr ? combo_->lineEdit() : edit_;
}

QString CArgControl::text() const {
    const QLineEdit* field = lineEdit();
    return field != nullptr ? field->text() : QString();
}

void CArgControl::setText(const QString& text) {
    if (QLineEdit* field = lineEdit())
        field->setText(text);
}

TagArgumentValue CArgControl::value() const {
    return TagArgumentValue{name(), kind_, text().toStdString(),
                            check_ != nullptr && check_->isChecked()};
}
