#include "dialogs/qt/CFontDlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

CFontDlg::CFontDlg(QWidget* parent)
    : QDialog(parent), face_(new QFontComboBox(this)), size_(new QSpinBox(this)),
      bold_(new QCheckBox(QStringLiteral("&Bold"), this)),
      italic_(new QCheckBox(QStringLiteral("&Italic"), this)),
      underline_(new QCheckBox(QStringLiteral("&Underline"), this)),
      strikeOut_(new QCheckBox(QStringLiteral("Stri&keout"), this)),
      colourButton_(new QPushButton(QStringLiteral("&Color..."), this)),
      sample_(new QLabel(QStringLiteral("AaBbYyZz"), this)) {
    setWindowTitle(QStringLiteral("Font"));
    // No face is chosen at first, so that a colour or size alone can be set
    // without a FACE argument.
    face_->setCurrentIndex(-1);
    size_->setRange(1, 200);
    size_->setValue(12);
    size_->setSuffix(QStringLiteral(" pt"));
    sample_->setMinimumHeight(60);
    sample_->setAlignment(Qt::AlignCenter);

    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_}) {
        styles->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &CFontDlg::updateSample);
    }
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Font:"), face_);
    form->addRow(QStringLiteral("&Size:"), size_);
    form->addRow(QStringLiteral("Style:"), styles);
    form->addRow(QStringLiteral("Colour:"), colourButton_);
    form->addRow(QStringLiteral("Sample:"), sample_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(colourButton_, &QPushButton::clicked, this, &CFontDlg::pickColour);
    connect(face_, &QFontComboBox::currentFontChanged, this, &CFontDlg::updateSample);
    connect(size_, &QSpinBox::valueChanged, this, &CFontDlg::updateSample);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    updateSample();
}

void CFontDlg::pickColour() {
    const QColor chosen = QColorDialog::getColor(colour_, this, QStringLiteral("Color"));
    if (chosen.isValid()) {
        colour_ = chosen;
        updateSample();
    }
}

void CFontDlg::updateSample() {
    QFont font = face_->currentFont();
    font.setPointSize(size_->value());
    font.setBold(bold_->isChecked());
    font.setItalic(italic_->isChecked());
    font.setUnderline(underline_->isChecked());
    font.setStrikeOut(strikeOut_->isChecked());
    sample_->setFont(font);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, colour_);
    sample_->setPalette(palette);
}

FontChoice CFontDlg::choice() const {
    FontChoice choice;
    // The face as the dialog shows it; the combo box's font may be a
    // substitute with another family name.
    choice.faceName = face_->currentText().trimmed().toStdString();
    choice.weight = bold_->isChecked() ? FontChoice::BoldWeight : 400;
    choice.italic = italic_->isChecked();
    choice.underline = underline_->isChecked();
    choice.strikeOut = strikeOut_->isChecked();
    // Stored as 0x00BBGGRR, red in the lowest byte.
    choice.colour = static_cast<std::uint32_t>(colour_.red()) |
                    (static_cast<std::uint32_t>(colour_.green()) << 8) |
                    (static_cast<std::uint32_t>(colour_.blue()) << 16);
    choice.pointSizeTenths = size_->value() * 10;
    return choice;
}
