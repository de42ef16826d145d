#include "dialogs/qt/CInsertImageDlg.h"

#include "dialogs/qt/CUpDownEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace InsertDialogParts;

namespace {

constexpr int kMaxSize = 9999;

} // namespace

CInsertImageDlg::CInsertImageDlg(const std::vector<std::string>& aligns,
                                 const std::vector<std::string>& suppresses, FileBrowser browse,
                                 QWidget* parent)
    : QDialog(parent), src_(new QLineEdit(this)), lowSrc_(new QLineEdit(this)),
      alt_(new QLineEdit(this)), name_(new QLineEdit(this)), align_(valueChooser(aligns, this)),
      suppress_(valueChooser(suppresses, this)), width_(new CUpDownEdit(0, kMaxSize, this)),
      height_(new CUpDownEdit(0, kMaxSize, this)), vSpace_(new CUpDownEdit(0, kMaxSize, this)),
      border_(new CUpDownEdit(0, kMaxSize, this)), hSpace_(new CUpDownEdit(0, kMaxSize, this)),
      useMap_(new QLineEdit(this)), isMap_(new QCheckBox(QStringLiteral("Is&Map"), this)) {
    setWindowTitle(QStringLiteral("Insert Image"));
    auto* grid = new QGridLayout;
    const auto addField = [grid, this](int row, int column, const QString& label, QWidget* field,
                                       int span = 1) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        grid->addWidget(text, row, column);
        grid->addWidget(field, row, column + 1, 1, span);
    };
    addField(0, 0, QStringLiteral("&Src:"), src_, 3);
    grid->addWidget(browseButton(src_, browse, this), 0, 4);
    addField(1, 0, QStringLiteral("&LowSrc:"), lowSrc_, 3);
    grid->addWidget(browseButton(lowSrc_, std::move(browse), this), 1, 4);
    addField(2, 0, QStringLiteral("Alternative &Text:"), alt_, 3);
    addField(3, 0, QStringLiteral("&Name:"), name_);
    addField(3, 2, QStringLiteral("&UseMap:"), useMap_);
    addField(4, 0, QStringLiteral("&Align:"), align_);
    addField(4, 2, QStringLiteral("Su&ppress:"), suppress_);
    addField(5, 0, QStringLiteral("&Width:"), width_);
    addField(5, 2, QStringLiteral("&Height:"), height_);
    addField(6, 0, QStringLiteral("&VSpace:"), vSpace_);
    addField(6, 2, QStringLiteral("HSpa&ce:"), hSpace_);
    addField(7, 0, QStringLiteral("&Border:"), border_);
    grid->addWidget(isMap_, 7, 3);
    grid->setColumnMinimumWidth(1, 140);
    grid->setColumnMinimumWidth(3, 140);
    finish(*this, grid);
    src_->setFocus();
}

ImageFields CInsertImageDlg::fields() const {
    ImageFields fields;
    fields.src = textOf(src_);
    fields.lowSrc = textOf(lowSrc_);
    fields.alt = textOf(alt_);
    fields.name = textOf(name_);
    fields.align = textOf(align_);
    fields.suppress = textOf(suppress_);
    fields.width = width_->value().toStdString();
    fields.height = height_->value().toStdString();
    fields.vSpace = vSpace_->value().toStdString();
    fields.border = border_->value().toStdString();
    fields.hSpace = hSpace_->value().toStdString();
    fields.useMap = textOf(useMap_);
    fields.isMap = isMap_->isChecked();
    return fields;
}
