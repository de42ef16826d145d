#include "app/qt/OptionsEditingPage.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {

// By switch index.
constexpr const char* kDescriptions[CEditorSettings::kEditingCount] = {
    "Automatically ColorKey files on open.",
    "Automatically ColorKey files while editing.",
    "Convert Tagnames to uppercase.",
    "Convert Arguments to uppercase.",
    "Display CodeHelper automatically.",
    "Display CodeHelper when ctrl is pressed.",
    "Autoindent Tabs.",
    "Display ToolTips in editor window.",
};

} // namespace

OptionsEditingPage::OptionsEditingPage(QWidget* parent) : OptionsPage(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < CEditorSettings::kEditingCount; ++i) {
        boxes_[i] = new QCheckBox(QString::fromLatin1(kDescriptions[i]), this);
        layout->addWidget(boxes_[i]);
    }
    layout->addStretch();
}

void OptionsEditingPage::fill(const CEditorSettings& settings) {
    for (int i = 0; i < CEditorSettings::kEditingCount; ++i) {
        boxes_[i]->setChecked(settings.Editing[i] == 1);
    }
}

void OptionsEditingPage::save(CEditorSettings& settings) const {
    for (int i = 0; i < CEditorSettings::kEditingCount; ++i) {
        settings.Editing[i] = boxes_[i]->isChecked() ? 1 : 0;
    }
}
