#include "app/qt/OptionsGeneralPage.h"

#include "app/CEditorSettings.h"
#include "app/SettingsIO.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The list shows the choices in this order, which is not the order of their
// stored values.
struct SaveCloseItem {
    const char* text;
    int policy;
};

constexpr SaveCloseItem kSaveCloseItems[] = {
    {"Yes", CEditorSettings::SaveCloseYes},
    {"No", CEditorSettings::SaveCloseNo},
    {"Ask", CEditorSettings::SaveCloseAsk},
};

} // namespace

OptionsGeneralPage::OptionsGeneralPage(const QString& tagDataInUse, QWidget* parent)
    : OptionsPage(parent), tagDataInUse_(tagDataInUse) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tagData_ = addEdit(QStringLiteral("Tag Data File:"));
    tagData_->setMaxLength(static_cast<int>(CEditorSettings::kMaxPathText));
    restartNote_ = new QLabel(QStringLiteral("The tag data file is read at the next start."), this);
    restartNote_->setWordWrap(true);
    // Showing the note must not push the other fields about.
    QSizePolicy keepPlace = restartNote_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    restartNote_->setSizePolicy(keepPlace);
    restartNote_->hide();
    layout->addWidget(restartNote_);

    layout->addWidget(new QLabel(QStringLiteral("Save Files Before Closing?"), this));
    saveClose_ = new QComboBox(this);
    for (const SaveCloseItem& item : kSaveCloseItems) {
        saveClose_->addItem(QString::fromLatin1(item.text), item.policy);
    }
    layout->addWidget(saveClose_, 0, Qt::AlignLeft);

    openExt_ = addEdit(QStringLiteral("Extensions to open in editor:"));
    htmlExt_ = addEdit(QStringLiteral("Extensions treated as HTML code:"));
    imageExt_ = addEdit(QStringLiteral("Image Extensions:"));
    layout->addStretch();
    connect(tagData_, &QLineEdit::textChanged, this, &OptionsGeneralPage::showRestartNote);
}

QLineEdit* OptionsGeneralPage::addEdit(const QString& label) {
    layout()->addWidget(new QLabel(label, this));
    auto* edit = new QLineEdit(this);
    edit->setMinimumWidth(280);
    layout()->addWidget(edit);
    return edit;
}

// Comparing with the file in use, not with the stored value: a path changed
// and saved earlier in this run is still not the one loaded.
void OptionsGeneralPage::showRestartNote() {
    restartNote_->setVisible(tagData_->text() != tagDataInUse_);
}

void OptionsGeneralPage::fill(const CEditorSettings& settings) {
    tagData_->setText(QString::fromStdString(settings.TagData));
    saveClose_->setCurrentIndex(saveClose_->findData(settings.SaveClose));
    openExt_->setText(QString::fromStdString(settings.OpenExt));
    htmlExt_->setText(QString::fromStdString(settings.HTMLExt));
    imageExt_->setText(QString::fromStdString(settings.ImageExt));
}

void OptionsGeneralPage::save(CEditorSettings& settings) const {
    settings.TagData = LimitPathText(tagData_->text().toStdString());
    if (saveClose_->currentIndex() >= 0) {
        settings.SaveClose = saveClose_->currentData().toInt();
    }
    settings.OpenExt = openExt_->text().toStdString();
    settings.HTMLExt = htmlExt_->text().toStdString();
    settings.ImageExt = imageExt_->text().toStdString();
}
