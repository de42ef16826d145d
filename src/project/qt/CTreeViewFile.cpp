#include "project/qt/CTreeViewFile.h"

#include "app/qt/IPlatformServices.h"
#include "project/CProject.h"
#include "project/PathUtils.h"
#include "project/ProjectEdits.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

CTreeViewFile::CTreeViewFile(IPlatformServices& services, QWidget* parent)
    : QTreeWidget(parent), services_(services), menu_(new QMenu(this)) {
    setObjectName(QStringLiteral("Files"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    buildMenu();
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { openItem(item); });
}

void CTreeViewFile::buildMenu() {
    const struct {
        MenuCommand command;
        const char* text;
        bool separatorBefore;
    } rows[] = {
        {AddFiles, "Add Files...", false},
        {OpenFile, "Open File", true},
        {RemoveFile, "Remove File", false},
        {CheckFile, "Check File", true},
        {OpenInBrowser, "Open File In Browser", false},
        {UploadFile, "Upload File", false},
    };
    for (const auto& row : rows) {
        if (row.separatorBefore) {
            menu_->addSeparator();
        }
        QAction* action = menu_->addAction(QString::fromUtf8(row.text));
        action->setData(row.command);
        const MenuCommand command = row.command;
        connect(action, &QAction::triggered, this, [this, command] { runOnCurrent(command); });
    }
}

QAction* CTreeViewFile::menuAction(MenuCommand command) const {
    for (QAction* action : menu_->actions()) {
        if (!action->isSeparator() && action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

void CTreeViewFile::rebuild() {
    clear();
    if (project_ == nullptr) {
        return;
    }
    addTopLevelItem(new QTreeWidgetItem(
        {QStringLiteral("Project: ") + QString::fromStdString(project_->Name)}));
    auto* files = new QTreeWidgetItem({QStringLiteral("Files")});
    addTopLevelItem(files);
    for (CProjectEntry& entry : project_->Files) {
        auto* item = new QTreeWidgetItem(files, {QString::fromStdString(entry.RelPath)});
        entry.TreeItem = item;
    }
    files->setExpanded(true);
}

CProjectEntry* CTreeViewFile::entryOf(QTreeWidgetItem* item) const {
    if (project_ == nullptr || item == nullptr) {
        return nullptr;
    }
    for (CProjectEntry& entry : project_->Files) {
        if (entry.TreeItem == item) {
            return &entry;
        }
    }
    return nullptr;
}

std::string CTreeViewFile::fullPathOf(const CProjectEntry& entry) const {
    return FullPathOf(*project_, entry);
}

QMenu* CTreeViewFile::contextMenuFor(QTreeWidgetItem* target) {
    if (target != nullptr) {
        setCurrentItem(target);
    }
    const CProjectEntry* entry = entryOf(target);
    const bool html = entry != nullptr && HasExtension(htmlExtensions_, entry->RelPath);
    menuAction(OpenFile)->setEnabled(entry != nullptr);
    menuAction(RemoveFile)->setEnabled(entry != nullptr);
    menuAction(CheckFile)->setEnabled(html);
    menuAction(OpenInBrowser)->setEnabled(html);
    menuAction(UploadFile)->setEnabled(entry != nullptr);
    return menu_;
}

void CTreeViewFile::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* target =
        event->reason() == QContextMenuEvent::Mouse ? itemAt(event->pos()) : currentItem();
    if (target == nullptr) {
        target = currentItem();
    }
    QMenu* menu = contextMenuFor(target);
    // Under the item's text, as a menu opened from it would be.
    const QRect rect = target != nullptr ? visualItemRect(target) : QRect(event->pos(), QSize());
    menu->popup(viewport()->mapToGlobal(rect.bottomLeft()));
}

void CTreeViewFile::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* item = currentItem();
    if (entryOf(item) != nullptr) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            openItem(item);
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            confirmRemove(item);
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}

void CTreeViewFile::openItem(QTreeWidgetItem* item) {
    if (const CProjectEntry* entry = entryOf(item)) {
        emit openRequested(QString::fromStdString(fullPathOf(*entry)));
    }
}

// Exactly the clicked entry goes, even when the same name is listed twice.
// The project file learns of it with the project's next save.
void CTreeViewFile::removeItem(QTreeWidgetItem* item) {
    const CProjectEntry* entry = entryOf(item);
    if (entry == nullptr) {
        return;
    }
    project_->Files.erase(project_->Files.begin() + (entry - project_->Files.data()));
    rebuild();
}

void CTreeViewFile::confirmRemove(QTreeWidgetItem* item) {
    const QString question = QStringLiteral("Remove '%1' from the project?").arg(item->text(0));
    if (services_.askYesNo(this, question, QString())) {
        removeItem(item);
    }
}

void CTreeViewFile::runOnCurrent(MenuCommand command) {
    QTreeWidgetItem* item = currentItem();
    const CProjectEntry* entry = entryOf(item);
    switch (command) {
    case AddFiles:
        emit addFilesRequested();
        return;
    case OpenFile:
        openItem(item);
        return;
    case RemoveFile:
        removeItem(item);
        return;
    case UploadFile:
        flagForUpload(entry);
        return;
    case CheckFile:
    case OpenInBrowser:
        if (entry != nullptr) {
            const QString path = QString::fromStdString(fullPathOf(*entry));
            if (command == CheckFile) {
                emit checkRequested(path);
            } else {
                emit browserRequested(path);
            }
        }
        return;
    }
}

void CTreeViewFile::flagForUpload(const CProjectEntry* chosen) {
    if (chosen == nullptr) {
        return;
    }
    for (CProjectEntry& entry : project_->Files) {
        entry.Upload = &entry == chosen;
    }
    emit uploadRequested();
}
