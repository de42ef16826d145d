#include "html/qt/CChooseColorDlg.h"

#include "html/ColorNames.h"
#include "html/ColorText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int Red = 0;
constexpr int Green = 1;
constexpr int Blue = 2;

QColor qColorOf(std::uint32_t value) {
    return QColor(static_cast<int>(ColorText::Red(value)),
                  static_cast<int>(ColorText::Green(value)),
                  static_cast<int>(ColorText::Blue(value)));
}

// The value of a colour name the platform knows (the names of the colour
// file are the usual web names); none for any other name.
std::optional<std::uint32_t> namedValue(const QString& name) {
    if (name.isEmpty() || !QColor::isValidColorName(name)) {
        return std::nullopt;
    }
    const QColor colour = QColor::fromString(name);
    return ColorText::Combine(static_cast<std::uint32_t>(colour.red()),
                              static_cast<std::uint32_t>(colour.green()),
                              static_cast<std::uint32_t>(colour.blue()));
}

} // namespace

CChooseColorDlg::CChooseColorDlg(const ColorNames& names, const ColorChoice& initial,
                                 QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Choose Color"));
    buildLayout();
    fillNames(names);
    preset(initial);
    updateSwatch();
}

void CChooseColorDlg::buildLayout() {
    auto* grid = new QGridLayout;
    const QString labels[] = {QStringLiteral("&Red"), QStringLiteral("&Green"),
                              QStringLiteral("&Blue")};
    for (int channel = Red; channel <= Blue; ++channel) {
        auto* label = new QLabel(labels[channel], this);
        sliders_[channel] = new QSlider(Qt::Horizontal, this);
        sliders_[channel]->setRange(0, static_cast<int>(ColorText::ChannelMax));
        label->setBuddy(sliders_[channel]);
        fields_[channel] = new QLineEdit(this);
        fields_[channel]->setMaxLength(5);
        fields_[channel]->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                        12);
        grid->addWidget(label, channel, 0);
        grid->addWidget(sliders_[channel], channel, 1);
        grid->addWidget(fields_[channel], channel, 2);
        connect(sliders_[channel], &QSlider::valueChanged, this,
                [this, channel](int position) { onSliderMoved(channel, position); });
        connect(fields_[channel], &QLineEdit::textEdited, this,
                [this, channel] { onFieldEdited(channel); });
    }
    swatch_ = new QLabel(this);
    swatch_->setMinimumSize(48, 48);
    swatch_->setAutoFillBackground(true);
    swatch_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    grid->addWidget(swatch_, 0, 3, 3, 1);

    names_ = new QComboBox(this);
    names_->setEditable(true);
    names_->setInsertPolicy(QComboBox::NoInsert);
    byValue_ = new QRadioButton(QStringLiteral("By &Value"), this);
    byName_ = new QRadioButton(QStringLiteral("By &Name"), this);
    connect(names_, &QComboBox::currentTextChanged, this, &CChooseColorDlg::updateSwatch);
    connect(byValue_, &QRadioButton::toggled, this, &CChooseColorDlg::updateSwatch);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(names_);
    layout->addWidget(byValue_);
    layout->addWidget(byName_);
    layout->addWidget(buttons);
}

void CChooseColorDlg::fillNames(const ColorNames& names) {
    QStringList sorted;
    for (const std::string& name : names.names()) {
        if (!name.empty()) {
            sorted << QString::fromStdString(name);
        }
    }
    sorted.sort();
    sorted.removeDuplicates();
    names_->addItems(sorted);
}

// A value read from the text shows as its channels with By Value checked; a
// name is looked for among the names (the first that begins with it, ignoring
// case) and its channels show the named colour, black for a name the
// platform does not know.
void CChooseColorDlg::preset(const ColorChoice& initial) {
    const QString name = QString::fromStdString(initial.name);
    const int found = name.isEmpty() ? -1 : names_->findText(name, Qt::MatchStartsWith);
    names_->setCurrentIndex(found);
    if (found < 0) {
        names_->setEditText(name);
    }
    std::uint32_t value = initial.value;
    if (!initial.hasValue) {
        value = namedValue(found >= 0 ? names_->itemText(found) : name).value_or(0);
    }
    showChannels(value);
    (initial.hasValue ? byValue_ : byName_)->setChecked(true);
}

void CChooseColorDlg::showChannels(std::uint32_t value) {
    const std::uint32_t channels[] = {ColorText::Red(value), ColorText::Green(value),
                                      ColorText::Blue(value)};
    for (int channel = Red; channel <= Blue; ++channel) {
        sliders_[channel]->setValue(static_cast<int>(channels[channel]));
        fields_[channel]->setText(QString::number(channels[channel]));
    }
}

// Every move of a slider, by the mouse or the keyboard, shows in its field,
// so that what OK reads is what the user sees.
void CChooseColorDlg::onSliderMoved(int channel, int position) {
    if (ColorText::ChannelFromText(fields_[channel]->text().toStdString()) !=
        static_cast<std::uint32_t>(position)) {
        fields_[channel]->setText(QString::number(position));
    }
    updateSwatch();
}

void CChooseColorDlg::onFieldEdited(int channel) {
    const QSignalBlocker blocker(sliders_[channel]);
    sliders_[channel]->setValue(
        static_cast<int>(ColorText::ChannelFromText(fields_[channel]->text().toStdString())));
    updateSwatch();
}

std::uint32_t CChooseColorDlg::channelValue() const {
    std::uint32_t channels[3] = {};
    for (int channel = Red; channel <= Blue; ++channel) {
        channels[channel] = ColorText::ChannelFromText(fields_[channel]->text().toStdString());
    }
    return ColorText::Combine(channels[Red], channels[Green], channels[Blue]);
}

void CChooseColorDlg::updateSwatch() {
    if (swatch_ == nullptr || byName_ == nullptr) {
        return;
    }
    std::uint32_t value = channelValue();
    if (byName_->isChecked()) {
        value = namedValue(names_->currentText()).value_or(value);
    }
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, qColorOf(value));
    swatch_->setPalette(palette);
}

ColorChoice CChooseColorDlg::result() const {
    ColorChoice choice;
    choice.value = channelValue();
    choice.byName = byName_->isChecked();
    choice.name = names_->currentText().toStdString();
    choice.hasValue = !choice.byName;
    return choice;
}
