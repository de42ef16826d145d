#pragma once

#include "app/CEditorSettings.h"
#include "app/qt/OptionsPage.h"

#include <array>

class QCheckBox;

// "Editing": one check box per editing switch.
class OptionsEditingPage : public OptionsPage {
    Q_OBJECT

public:
    explicit OptionsEditingPage(QWidget* parent = nullptr);

    void fill(const CEditorSettings& settings) override;
    void save(CEditorSettings& settings) const override;

    QCheckBox* checkBox(CEditorSettings::EditingSwitch which) const { return boxes_[which]; }

private:
    std::array<QCheckBox*, CEditorSettings::kEditingCount> boxes_{};
};
