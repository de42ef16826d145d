#include "dialogs/qt/CInsertFramesDlg.h"

#include "dialogs/qt/CUpDownEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

using namespace InsertDialogParts;

namespace {

constexpr int kMaxSize = 9999;

QSpinBox* countField(QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(1, FramesFields::MaxCount);
    return field;
}

void fillChooser(QComboBox* chooser, const QString& format, int count, int current) {
    chooser->clear();
    for (int i = 0; i < count; ++i) {
        chooser->addItem(format.arg(i));
    }
    chooser->setCurrentIndex(current);
}

std::string& sizeAt(std::array<std::string, FramesFields::MaxCount>& sizes, int index) {
    return sizes[static_cast<std::size_t>(index)];
}

} // namespace

CInsertFramesDlg::CInsertFramesDlg(const std::vector<std::string>& frameBorders,
                                   ColourChooser chooseColour, QWidget* parent)
    : QDialog(parent), colCount_(countField(this)), rowCount_(countField(this)),
      editColChooser_(new QComboBox(this)), editRowChooser_(new QComboBox(this)),
      width_(new CUpDownEdit(0, kMaxSize, this)), height_(new CUpDownEdit(0, kMaxSize, this)),
      frameBorder_(valueChooser(frameBorders, this)), border_(new CUpDownEdit(0, kMaxSize, this)),
      borderColor_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Insert Frames"));
    auto* grid = new QGridLayout;
    const auto addField = [this](QGridLayout* layout, int row, int column, const QString& label,
                                 QWidget* field) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        layout->addWidget(text, row, column);
        layout->addWidget(field, row, column + 1);
    };
    addField(grid, 0, 0, QStringLiteral("No &Cols:"), colCount_);
    addField(grid, 0, 2, QStringLiteral("No &Rows:"), rowCount_);
    addField(grid, 1, 0, QStringLiteral("&Edit Col:"), editColChooser_);
    addField(grid, 1, 2, QStringLiteral("E&dit Row:"), editRowChooser_);
    addField(grid, 2, 0, QStringLiteral("&Width:"), width_);
    addField(grid, 2, 2, QStringLiteral("&Height:"), height_);

    auto* borderBox = new QGroupBox(QStringLiteral("Border"), this);
    auto* borderGrid = new QGridLayout(borderBox);
    addField(borderGrid, 0, 0, QStringLiteral("&Frameborder:"), frameBorder_);
    addField(borderGrid, 1, 0, QStringLiteral("&Border Width:"), border_);
    addField(borderGrid, 2, 0, QStringLiteral("Border C&olor:"), borderColor_);
    borderGrid->addWidget(colourButton(borderColor_, std::move(chooseColour), this), 2, 2);
    grid->addWidget(borderBox, 3, 0, 1, 4);
    grid->setColumnMinimumWidth(1, 110);
    grid->setColumnMinimumWidth(3, 110);

    connect(colCount_, &QSpinBox::valueChanged, this, &CInsertFramesDlg::countChanged);
    connect(rowCount_, &QSpinBox::valueChanged, this, &CInsertFramesDlg::countChanged);
    connect(editColChooser_, &QComboBox::currentIndexChanged, this,
            &CInsertFramesDlg::editedColumnChosen);
    connect(editRowChooser_, &QComboBox::currentIndexChanged, this,
            &CInsertFramesDlg::editedRowChosen);
    // Each size is kept as it is typed, so neither another column chosen nor
    // a changed count loses it.
    connect(width_, &CUpDownEdit::valueEdited, this, [this](const QString& text) {
        if (!updating_) {
            sizeAt(fields_.colWidths, editCol_) = text.toStdString();
        }
    });
    connect(height_, &CUpDownEdit::valueEdited, this, [this](const QString& text) {
        if (!updating_) {
            sizeAt(fields_.rowHeights, editRow_) = text.toStdString();
        }
    });
    finish(*this, grid);
    refresh();
    colCount_->setFocus();
}

// A column or row that no longer exists cannot stay the edited one.
void CInsertFramesDlg::countChanged() {
    if (updating_) {
        return;
    }
    fields_.setColCount(colCount_->value());
    fields_.setRowCount(rowCount_->value());
    editCol_ = std::min(editCol_, fields_.colCount - 1);
    editRow_ = std::min(editRow_, fields_.rowCount - 1);
    refresh();
}

void CInsertFramesDlg::editedColumnChosen(int index) {
    if (!updating_ && index >= 0) {
        editCol_ = index;
        refresh();
    }
}

void CInsertFramesDlg::editedRowChosen(int index) {
    if (!updating_ && index >= 0) {
        editRow_ = index;
        refresh();
    }
}

void CInsertFramesDlg::refresh() {
    updating_ = true;
    fillChooser(editColChooser_, QStringLiteral("Col %1"), fields_.colCount, editCol_);
    fillChooser(editRowChooser_, QStringLiteral("Row %1"), fields_.rowCount, editRow_);
    colCount_->setValue(fields_.colCount);
    rowCount_->setValue(fields_.rowCount);
    width_->setValue(QString::fromStdString(sizeAt(fields_.colWidths, editCol_)));
    height_->setValue(QString::fromStdString(sizeAt(fields_.rowHeights, editRow_)));
    updating_ = false;
}

FramesFields CInsertFramesDlg::fields() const {
    FramesFields fields = fields_;
    fields.frameBorder = textOf(frameBorder_);
    fields.border = border_->value().toStdString();
    fields.borderColor = textOf(borderColor_);
    return fields;
}
