#include "project/qt/CUploadProjectDlg.h"

#include "project/CProject.h"
#include "project/ProjectEdits.h"
#include "project/UploadState.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

namespace {

QListWidget* sortedList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSortingEnabled(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumSize(200, 220);
    return list;
}

} // namespace

CUploadProjectDlg::CUploadProjectDlg(CProject& project, QWidget* parent)
    : QDialog(parent), project_(project), inProject_(sortedList(this)), toUpload_(sortedList(this)),
      toUploadButton_(new QPushButton(QStringLiteral("->"), this)),
      backButton_(new QPushButton(QStringLiteral("<-"), this)),
      selectAllProject_(new QPushButton(QStringLiteral("Select All"), this)),
      selectAllUpload_(new QPushButton(QStringLiteral("Select All"), this)),
      upload_(new QPushButton(QStringLiteral("Upload"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Upload Project"));
    upload_->setDefault(true);

    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(toUploadButton_);
    arrows->addWidget(backButton_);
    arrows->addStretch();
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Files in project:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Files to upload:"), this), 0, 2);
    grid->addWidget(inProject_, 1, 0);
    grid->addLayout(arrows, 1, 1);
    grid->addWidget(toUpload_, 1, 2);
    grid->addWidget(selectAllProject_, 2, 0);
    grid->addWidget(selectAllUpload_, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(upload_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(toUploadButton_, &QPushButton::clicked, this,
            [this] { moveSelected(inProject_, toUpload_); });
    connect(backButton_, &QPushButton::clicked, this,
            [this] { moveSelected(toUpload_, inProject_); });
    connect(selectAllProject_, &QPushButton::clicked, inProject_, &QListWidget::selectAll);
    connect(selectAllUpload_, &QPushButton::clicked, toUpload_, &QListWidget::selectAll);
    connect(upload_, &QPushButton::clicked, this, &CUploadProjectDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    fill();
}

void CUploadProjectDlg::fill() {
    const UploadState state = UploadState::Load(UploadState::PathFor(project_.Path));
    for (const CProjectEntry& entry : project_.Files) {
        const bool changed =
            project_.AutoUpdate && state.isFileUpdated(entry.RelPath, FullPathOf(project_, entry));
        (changed ? toUpload_ : inProject_)->addItem(QString::fromStdString(entry.RelPath));
    }
}

// From the last line to the first, as each move re-sorts the other list.
void CUploadProjectDlg::moveSelected(QListWidget* from, QListWidget* to) {
    for (int row = from->count() - 1; row >= 0; --row) {
        if (from->item(row)->isSelected()) {
            QListWidgetItem* item = from->takeItem(row);
            item->setSelected(false);
            to->addItem(item);
        }
    }
}

void CUploadProjectDlg::accept() {
    QSet<QString> chosen;
    for (int row = 0; row < toUpload_->count(); ++row) {
        chosen.insert(toUpload_->item(row)->text());
    }
    for (CProjectEntry& entry : project_.Files) {
        entry.Upload = chosen.contains(QString::fromStdString(entry.RelPath));
    }
    QDialog::accept();
}
