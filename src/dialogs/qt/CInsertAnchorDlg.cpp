#include "dialogs/qt/CInsertAnchorDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace InsertDialogParts;

namespace {

QComboBox* projectFileChooser(const std::optional<std::vector<std::string>>& links,
                              QWidget* parent) {
    auto* chooser = new QComboBox(parent);
    if (!links) {
        chooser->setEnabled(false);
        return chooser;
    }
    QStringList items;
    for (const std::string& link : *links) {
        items << QString::fromStdString(link);
    }
    items.sort(Qt::CaseInsensitive);
    chooser->addItems(items);
    chooser->setCurrentIndex(-1);
    return chooser;
}

} // namespace

CInsertAnchorDlg::CInsertAnchorDlg(const std::string& caption, bool useMarks,
                                   const std::vector<std::string>& targets,
                                   const std::optional<std::vector<std::string>>& projectLinks,
                                   FileBrowser browse, QWidget* parent)
    : QDialog(parent), path_(new QLineEdit(this)),
      projectFile_(projectFileChooser(projectLinks, this)), name_(new QLineEdit(this)),
      target_(valueChooser(targets, this)), caption_(new QPlainTextEdit(this)),
      givenCaption_(caption), shownCaption_(QString::fromStdString(caption)) {
    setWindowTitle(QStringLiteral("Insert Anchor"));
    caption_->setTabChangesFocus(true);
    caption_->setFixedHeight(caption_->fontMetrics().lineSpacing() * 3 + 12);
    if (useMarks) {
        shownCaption_ = QStringLiteral("Use Marks Activated");
        caption_->setEnabled(false);
    }
    caption_->setPlainText(shownCaption_);
    connect(projectFile_, &QComboBox::activated, this,
            [this](int index) { path_->setText(projectFile_->itemText(index)); });

    auto* grid = new QGridLayout;
    const auto addRow = [grid, this](int row, const QString& label, QWidget* field) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        grid->addWidget(text, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, QStringLiteral("&Path:"), path_);
    grid->addWidget(browseButton(path_, std::move(browse), this), 0, 2);
    addRow(1, QStringLiteral("Pro&ject File:"), projectFile_);
    addRow(2, QStringLiteral("&Name:"), name_);
    addRow(3, QStringLiteral("&Target:"), target_);
    addRow(4, QStringLiteral("&Caption:"), caption_);
    grid->setColumnMinimumWidth(1, 320);
    finish(*this, grid);
    path_->setFocus();
}

AnchorFields CInsertAnchorDlg::fields() const {
    AnchorFields fields;
    fields.path = textOf(path_);
    fields.target = textOf(target_);
    fields.name = textOf(name_);
    const QString caption = caption_->toPlainText();
    fields.caption = caption == shownCaption_ ? givenCaption_ : caption.toStdString();
    return fields;
}
