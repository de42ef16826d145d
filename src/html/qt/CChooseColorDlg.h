#pragma once

#include "html/ColorChoice.h"

#include <QDialog>
#include <array>

class ColorNames;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

// "Choose Color": a colour by its red, green and blue intensity (a slider
// and a decimal field each) or by one of the colour names, with a swatch of
// the colour that OK gives.
class CChooseColorDlg : public QDialog {
    Q_OBJECT

public:
    CChooseColorDlg(const ColorNames& names, const ColorChoice& initial, QWidget* parent = nullptr);

    // What OK gave: the channels (each held to 0..255), the name and By Name.
    ColorChoice result() const;

    QSlider* slider(int channel) const { return sliders_[channel]; }
    QLineEdit* field(int channel) const { return fields_[channel]; }
    QComboBox* names() const { return names_; }
    QRadioButton* byValue() const { return byValue_; }
    QRadioButton* byName() const { return byName_; }
    QLabel* swatch() const { return swatch_; }

private:
    void buildLayout();
    void fillNames(const ColorNames& names);
    void preset(const ColorChoice& initial);
    void showChannels(std::uint32_t value);
    void onSliderMoved(int channel, int position);
    void onFieldEdited(int channel);
    void updateSwatch();
    std::uint32_t channelValue() const;

    std::array<QSlider*, 3> sliders_{};
    std::array<QLineEdit*, 3> fields_{};
    QComboBox* names_ = nullptr;
    QRadioButton* byValue_ = nullptr;
    QRadioButton* byName_ = nullptr;
    QLabel* swatch_ = nullptr;
};
