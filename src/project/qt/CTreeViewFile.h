#pragma once

#include <QTreeWidget>
#include <string>

struct CProject;
struct CProjectEntry;
class IPlatformServices;
class QAction;
class QMenu;

// The "Files" tab of the Workspace: the current project's name and, under
// "Files", its files in project order. A file opens with a double click or
// Return; the context menu adds, opens, removes, checks and previews files.
class CTreeViewFile : public QTreeWidget {
    Q_OBJECT

public:
    enum MenuCommand { AddFiles, OpenFile, RemoveFile, CheckFile, OpenInBrowser, UploadFile };

    explicit CTreeViewFile(IPlatformServices& services, QWidget* parent = nullptr);

    // The project shown (not owned), or null; the tree shows it after rebuild.
    void setProject(CProject* project) { project_ = project; }
    // The extensions of the files that can be checked and previewed.
    void setHtmlExtensions(const std::string& extensions) { htmlExtensions_ = extensions; }
    void rebuild();

    QTreeWidgetItem* projectItem() const { return topLevelItem(0); }
    QTreeWidgetItem* filesItem() const { return topLevelItem(1); }
    // The context menu and its commands, enabled for target (made current).
    QMenu* contextMenuFor(QTreeWidgetItem* target);
    QAction* menuAction(MenuCommand command) const;

signals:
    void openRequested(const QString& fullPath);
    void checkRequested(const QString& fullPath);
    void browserRequested(const QString& fullPath);
    void addFilesRequested();
    // The clicked file alone is flagged for upload.
    void uploadRequested();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenu();
    CProjectEntry* entryOf(QTreeWidgetItem* item) const;
    std::string fullPathOf(const CProjectEntry& entry) const;
    void openItem(QTreeWidgetItem* item);
    void removeItem(QTreeWidgetItem* item);
    void confirmRemove(QTreeWidgetItem* item);
    void runOnCurrent(MenuCommand command);
    void flagForUpload(const CProjectEntry* entry);

    IPlatformServices& services_;
    CProject* project_ = nullptr;
    std::string htmlExtensions_;
    QMenu* menu_;
};
