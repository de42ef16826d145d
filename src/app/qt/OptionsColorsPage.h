#pragma once

#include "app/CEditorSettings.h"
#include "app/qt/OptionsPage.h"

#include <array>

class ColorSwatch;
class IPlatformServices;
class QPushButton;

// "Colors": a swatch and a "..." button per user colour, and "Default". The
// swatches hold working copies; the settings change only when the page is
// saved.
class OptionsColorsPage : public OptionsPage {
    Q_OBJECT

public:
    explicit OptionsColorsPage(IPlatformServices& services, QWidget* parent = nullptr);

    void fill(const CEditorSettings& settings) override;
    void save(CEditorSettings& settings) const override;

    ColorSwatch* swatch(CEditorSettings::ColorIndex which) const { return swatches_[which]; }
    QPushButton* chooseButton(CEditorSettings::ColorIndex which) const {
        return chooseButtons_[which];
    }
    QPushButton* defaultButton() const { return default_; }

private:
    void choose(int index);
    void restoreDefaults();

    IPlatformServices& services_;
    std::array<ColorSwatch*, CEditorSettings::kColorCount> swatches_{};
    std::array<QPushButton*, CEditorSettings::kColorCount> chooseButtons_{};
    QPushButton* default_;
};
