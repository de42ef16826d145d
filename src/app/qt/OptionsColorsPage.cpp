#include "app/qt/OptionsColorsPage.h"

#include "app/qt/ColorSwatch.h"
#include "app/qt/IPlatformServices.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// By colour index.
constexpr const char* kColorNames[CEditorSettings::kColorCount] = {
    "Default Color", "Tag Color",  "Argument Color", "Parameter Color",
    "HiLight Color", "Mark Color", "Special Color",
};

} // namespace

OptionsColorsPage::OptionsColorsPage(IPlatformServices& services, QWidget* parent)
    : OptionsPage(parent), services_(services) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(0);
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        const QString name = QString::fromLatin1(kColorNames[i]);
        layout->addWidget(new QLabel(name, this), i, 0);
        swatches_[i] = new ColorSwatch(this);
        swatches_[i]->setAccessibleName(name);
        layout->addWidget(swatches_[i], i, 1);
        chooseButtons_[i] = new QPushButton(QStringLiteral("..."), this);
        chooseButtons_[i]->setAccessibleName(name);
        chooseButtons_[i]->setFixedWidth(30);
        chooseButtons_[i]->setAutoDefault(false);
        layout->addWidget(chooseButtons_[i], i, 2);
        connect(chooseButtons_[i], &QPushButton::clicked, this, [this, i] { choose(i); });
    }
    default_ = new QPushButton(QStringLiteral("Default"), this);
    default_->setAutoDefault(false);
    layout->addWidget(default_, CEditorSettings::kColorCount, 0, Qt::AlignLeft);
    layout->setColumnMinimumWidth(0, 180);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(CEditorSettings::kColorCount + 1, 1);
    connect(default_, &QPushButton::clicked, this, &OptionsColorsPage::restoreDefaults);
}

// The colour dialog starts from the swatch's colour, so that a small change
// is a small step.
void OptionsColorsPage::choose(int index) {
    if (const std::optional<QColor> chosen =
            services_.pickColor(this, swatches_[index]->colour())) {
        swatches_[index]->setColour(*chosen);
    }
}

void OptionsColorsPage::restoreDefaults() {
    const CEditorSettings defaults;
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        swatches_[i]->setColorRef(defaults.Color[i]);
    }
}

void OptionsColorsPage::fill(const CEditorSettings& settings) {
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        swatches_[i]->setColorRef(settings.Color[i]);
    }
}

void OptionsColorsPage::save(CEditorSettings& settings) const {
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        settings.Color[i] = swatches_[i]->colorRef();
    }
}
