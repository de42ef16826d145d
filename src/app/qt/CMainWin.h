#pragma once

#include "app/qt/CommandRows.h"
#include "app/qt/ICommandTarget.h"
#include "app/qt/MenuLayout.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class CChildWin;
class CEditorApp;
class CFindDlg;
class CommandRegistry;
class DocumentCommands;
class BrowserPreview;
class ErrorLogs;
class LinkValidation;
class ProjectCommands;
class CTreeViewFile;
class IPlatformServices;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabWidget;
class QToolBar;
class RecentList;
class StatusPanes;

// The main window: the MDI area with the document and error log windows, the
// menu bar of the active window's kind, four toolbars, the status bar and the
// "Workspace" dock. It routes every command: the active child window first,
// then itself.
class CMainWin : public QMainWindow, public ICommandTarget {
    Q_OBJECT

public:
    // Window kinds in the window list.
    static constexpr int kDocumentKind = 80;
    static constexpr int kErrorLogKind = 82;

    CMainWin(CEditorApp& app, IPlatformServices& services, QWidget* parent = nullptr);
    ~CMainWin() override;

    QMdiArea* mdiArea() const { return mdiArea_; }
    CommandRegistry& commands() const { return *commands_; }
    QToolBar* toolBar(int id) const;
    QDockWidget* workspace() const { return workspace_; }
    DocumentCommands& documents() const { return *documents_; }
    ErrorLogs& errorLogs() const { return *errorLogs_; }
    ProjectCommands& projects() const { return *projects_; }
    LinkValidation& linkValidation() const { return *linkValidation_; }
    BrowserPreview& browserPreview() const { return *browserPreview_; }
    // The Workspace's "Files" tab.
    CTreeViewFile* fileTree() const { return fileTree_; }
    // The active child window when it is a document, else null.
    CChildWin* activeDocument() const;

    // Adds a child window of the given kind to the MDI area and the window
    // list, and shows it maximized.
    QMdiSubWindow* addChild(QWidget* child, int kind);
    // A child window's entry in the Window menu.
    static QString windowListText(QMdiSubWindow* sub);
    // The child windows in creation order with their kinds.
    std::vector<std::pair<QWidget*, int>> windowList() const;

    // A child kind's command ids, so that menus and toolbars can offer its
    // commands while no such window is active.
    void registerChildCommands(std::function<bool(int)> handles);

    // Rebuilds the File menu's recent files and projects from the lists.
    void UpdateRecentMenus();
    // Puts text into the status bar's message pane.
    void showMessage(const QString& text);
    // The panes that tell the active document's caret position and state.
    StatusPanes& statusPanes() const { return *statusPanes_; }

    // The main window's own commands (the document operations have theirs).
    static const CommandRows<CMainWin>& commandRows();
    RecentList& recentFiles() const;
    // Adds the offered commands of entries to menu, with separators only
    // between groups that show.
    void fillMenu(QMenu* menu, const std::vector<MenuEntry>& entries);

    bool commandState(int id, CommandState& state) override;
    bool runCommand(int id) override;

    // The modeless Find dialog, null until the first Find; a second Find
    // brings the open one back.
    QPointer<CFindDlg>& findDialog() { return findDialog_; }

    // Set by a child window that refuses to close.
    void setCloseCancelled() { closeCancelled_ = true; }
    void clearCloseCancelled() { closeCancelled_ = false; }

signals:
    void recentFileChosen(const QString& path);
    void recentProjectChosen(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Files dropped from a file manager open as File > Open opens them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createToolBars();
    void createStatusBar();
    void createWorkspace();
    void rebuildMenuBar();
    void fillRecentMenu(QMenu* menu, int firstId);
    void fillWindowMenu(QMenu* menu);
    bool isOffered(int id) const;
    ICommandTarget* activeChildTarget() const;
    MenuBarKind activeKind() const;
    bool isEmptyToolBar(int id) const;
    void cascade();
    void tile(Qt::Orientation stacking);
    void showTips();
    void showOptions();
    void optionsTookEffect();
    void toggleLineNumbers();
    QWidget* barFor(int id) const;

    void onSubWindowActivated();
    void updateTitle();

    CEditorApp& app_;
    QMdiArea* mdiArea_;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<ErrorLogs> errorLogs_;
    std::unique_ptr<ProjectCommands> projects_;
    std::unique_ptr<LinkValidation> linkValidation_;
    std::unique_ptr<BrowserPreview> browserPreview_;
    CTreeViewFile* fileTree_ = nullptr;
    StatusPanes* statusPanes_ = nullptr;
    CommandRegistry* commands_ = nullptr;
    std::vector<std::pair<int, QToolBar*>> toolBars_;
    QDockWidget* workspace_ = nullptr;
    QTabWidget* workspaceTabs_ = nullptr;
    std::vector<std::function<bool(int)>> childCommandSets_;
    MenuBarKind shownKind_ = MenuBarKind::NoChild;
    bool menusBuilt_ = false;
    bool closeCancelled_ = false;
    QPointer<CFindDlg> findDialog_;
};
