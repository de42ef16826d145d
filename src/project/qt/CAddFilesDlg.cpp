#include "project/qt/CAddFilesDlg.h"

#include "app/qt/IPlatformServices.h"
#include "project/CProject.h"
#include "project/PathUtils.h"
#include "project/ProjectEdits.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

CAddFilesDlg::CAddFilesDlg(CProject& project, IPlatformServices& services,
                           std::function<void()> save, QWidget* parent)
    : QDialog(parent), project_(project), services_(services), save_(std::move(save)),
      fileEdit_(new QLineEdit(this)), browse_(new QPushButton(QStringLiteral("..."), this)),
      list_(new QListWidget(this)), add_(new QPushButton(QStringLiteral("Add File"), this)),
      remove_(new QPushButton(QStringLiteral("Remove"), this)),
      close_(new QPushButton(QStringLiteral("Close"), this)) {
    setWindowTitle(QStringLiteral("Add/Remove Files"));
    list_->setSortingEnabled(true);
    for (const CProjectEntry& entry : project.Files) {
        list_->addItem(QString::fromStdString(entry.RelPath));
    }
    add_->setDefault(true);
    browse_->setAutoDefault(false);
    remove_->setAutoDefault(false);
    close_->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(fileEdit_, 0, 0);
    layout->addWidget(browse_, 0, 1);
    layout->addWidget(add_, 0, 2);
    layout->addWidget(list_, 1, 0, 3, 2);
    layout->addWidget(remove_, 1, 2);
    layout->addWidget(close_, 3, 2, Qt::AlignBottom);
    resize(460, 300);

    // Any change of the text, typed or set, leaves the many chosen files.
    connect(fileEdit_, &QLineEdit::textChanged, this, [this] { multi_ = false; });
    connect(browse_, &QPushButton::clicked, this, &CAddFilesDlg::browse);
    connect(add_, &QPushButton::clicked, this, &CAddFilesDlg::addFile);
    connect(remove_, &QPushButton::clicked, this, &CAddFilesDlg::removeFile);
    connect(close_, &QPushButton::clicked, this, &CAddFilesDlg::reject);
}

void CAddFilesDlg::browse() {
    const QStringList chosen = services_.openFileNames(this, QStringLiteral("All Files (*)"));
    if (chosen.isEmpty()) {
        return;
    }
    if (chosen.size() == 1) {
        fileEdit_->setText(QDir::toNativeSeparators(chosen.first()));
        return;
    }
    chosenDirectory_ = QDir::toNativeSeparators(QFileInfo(chosen.first()).absolutePath());
    if (!chosenDirectory_.endsWith(QDir::separator())) {
        chosenDirectory_ += QDir::separator();
    }
    chosenNames_.clear();
    for (const QString& file : chosen) {
        chosenNames_ << QFileInfo(file).fileName();
    }
    fileEdit_->setText(
        QStringLiteral("%1 files from '%2'").arg(chosen.size()).arg(chosenDirectory_));
    // Set after the text, whose change has just left multi mode.
    multi_ = true;
}

void CAddFilesDlg::addFile() {
    if (multi_) {
        addChosenFiles();
    } else {
        addTypedFile();
    }
}

void CAddFilesDlg::addChosenFiles() {
    const std::string directory = chosenDirectory_.toStdString();
    for (const QString& name : chosenNames_) {
        addEntry(RelPathFor(project_, AbsolutePath(directory, name.toStdString())));
    }
    finishEdit();
}

void CAddFilesDlg::addTypedFile() {
    const QString typed = fileEdit_->text();
    if (typed.isEmpty()) {
        services_.message(this, QStringLiteral("You must specify a filename"));
        return;
    }
    addEntry(RelPathForTyped(project_, typed.toStdString()));
    finishEdit();
}

void CAddFilesDlg::addEntry(const std::string& relPath) {
    AddProjectFile(project_, relPath);
    list_->addItem(QString::fromStdString(relPath));
}

void CAddFilesDlg::finishEdit() {
    fileEdit_->clear();
    multi_ = false;
    fileEdit_->setFocus();
}

// Every entry of the name leaves the project, so every line of it leaves
// the list, which always shows the project as it is.
void CAddFilesDlg::removeFile() {
    QListWidgetItem* selected = list_->currentItem();
    if (selected == nullptr || !selected->isSelected()) {
        return;
    }
    const QString name = selected->text();
    RemoveProjectFiles(project_, name.toStdString());
    for (QListWidgetItem* item :
         list_->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive)) {
        delete item;
    }
}

// Close, Escape and the window's close button all end here.
void CAddFilesDlg::reject() {
    if (save_) {
        save_();
    }
    QDialog::reject();
}
