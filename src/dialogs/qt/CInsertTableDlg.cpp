#include "dialogs/qt/CInsertTableDlg.h"

#include "dialogs/qt/CUpDownEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace InsertDialogParts;

namespace {

constexpr int kMaxSize = 9999;

std::string valueOf(const CUpDownEdit* field) {
    return field->value().toStdString();
}

} // namespace

CInsertTableDlg::CInsertTableDlg(const std::vector<std::string>& aligns,
                                 const std::vector<std::string>& captionAligns,
                                 ColourChooser chooseColour, QWidget* parent)
    : QDialog(parent), columns_(new CUpDownEdit(0, kMaxSize, this)),
      rows_(new CUpDownEdit(0, kMaxSize, this)), align_(valueChooser(aligns, this)),
      border_(new CUpDownEdit(0, kMaxSize, this)), cellpadding_(new CUpDownEdit(0, kMaxSize, this)),
      bgColor_(new QLineEdit(this)), height_(new CUpDownEdit(0, kMaxSize, this)),
      width_(new CUpDownEdit(0, kMaxSize, this)), hSpace_(new CUpDownEdit(0, kMaxSize, this)),
      vSpace_(new CUpDownEdit(0, kMaxSize, this)), caption_(new QLineEdit(this)),
      captionAlign_(valueChooser(captionAligns, this)),
      useClipboard_(new QCheckBox(QStringLiteral("Use Clip&board Data"), this)) {
    setWindowTitle(QStringLiteral("Insert Table"));
    auto* grid = new QGridLayout;
    const auto addField = [grid, this](int row, int column, const QString& label, QWidget* field) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        grid->addWidget(text, row, column);
        grid->addWidget(field, row, column + 1);
    };
    addField(0, 0, QStringLiteral("&Columns:"), columns_);
    addField(0, 2, QStringLiteral("&Rows:"), rows_);
    grid->addWidget(useClipboard_, 1, 1, 1, 3);
    addField(2, 0, QStringLiteral("&Align:"), align_);
    addField(2, 2, QStringLiteral("B&order:"), border_);
    addField(3, 0, QStringLiteral("Cell&padding:"), cellpadding_);
    addField(3, 2, QStringLiteral("BG&Color:"), bgColor_);
    grid->addWidget(colourButton(bgColor_, std::move(chooseColour), this), 3, 4);
    addField(4, 0, QStringLiteral("&Height:"), height_);
    addField(4, 2, QStringLiteral("&Width:"), width_);
    addField(5, 0, QStringLiteral("HSpa&ce:"), hSpace_);
    addField(5, 2, QStringLiteral("&VSpace:"), vSpace_);

    auto* captionBox = new QGroupBox(QStringLiteral("Caption"), this);
    auto* captionGrid = new QGridLayout(captionBox);
    auto* captionLabel = new QLabel(QStringLiteral("&Text:"), captionBox);
    captionLabel->setBuddy(caption_);
    auto* captionAlignLabel = new QLabel(QStringLiteral("Al&ign:"), captionBox);
    captionAlignLabel->setBuddy(captionAlign_);
    captionGrid->addWidget(captionLabel, 0, 0);
    captionGrid->addWidget(caption_, 0, 1);
    captionGrid->addWidget(captionAlignLabel, 1, 0);
    captionGrid->addWidget(captionAlign_, 1, 1);
    grid->addWidget(captionBox, 6, 0, 1, 5);
    grid->setColumnMinimumWidth(1, 120);
    grid->setColumnMinimumWidth(3, 120);
    connect(useClipboard_, &QCheckBox::toggled, this, &CInsertTableDlg::useClipboardToggled);
    finish(*this, grid);
    columns_->setFocus();
}

// The copied cells decide the grid, so the counts cannot be typed then.
void CInsertTableDlg::useClipboardToggled(bool on) {
    columns_->setEnabled(!on);
    rows_->setEnabled(!on);
}

TableFields CInsertTableDlg::fields() const {
    TableFields fields;
    fields.columns = valueOf(columns_);
    fields.rows = valueOf(rows_);
    fields.align = textOf(align_);
    fields.border = valueOf(border_);
    fields.cellpadding = valueOf(cellpadding_);
    fields.bgColor = textOf(bgColor_);
    fields.height = valueOf(height_);
    fields.width = valueOf(width_);
    fields.hSpace = valueOf(hSpace_);
    fields.vSpace = valueOf(vSpace_);
    fields.caption = textOf(caption_);
    fields.captionAlign = textOf(captionAlign_);
    fields.useClipboard = useClipboard_->isChecked();
    return fields;
}
