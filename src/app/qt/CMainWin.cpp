#include "app/qt/CMainWin.h"

#include "app/CommandIds.h"
#include "app/ElidedPath.h"
#include "app/InstallPaths.h"
#include "app/qt/BrowserPreview.h"
#include "app/qt/CAboutDlg.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CErrorWin.h"
#include "app/qt/CTipDlg.h"
#include "app/qt/CommandRegistry.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/ErrorLogs.h"
#include "app/qt/LinkValidation.h"
#include "app/qt/ProjectCommands.h"
#include "app/qt/RecoveryKeeper.h"
#include "app/qt/SessionWindows.h"
#include "app/qt/StatusPanes.h"
#include "editor/qt/CMyEditBox.h"
#include "html/qt/CHtmlLanguageDlg.h"
#include "project/qt/CTreeViewFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

constexpr int kSeparator = 0;
constexpr int kRecentCount = 5;
// Longer paths are shortened in the middle in the title and the recent menus.
constexpr std::size_t kShownPathLength = 64;

// Adds the offered ids, with separators only between groups that show.
template <typename AddAction, typename AddSeparator>
void addGroups(const std::vector<int>& ids, const std::function<bool(int)>& offered,
               AddAction addAction, AddSeparator addSeparator) {
    bool pendingSeparator = false;
    bool any = false;
    for (int id : ids) {
        if (id == kSeparator) {
            pendingSeparator = any;
            continue;
        }
        if (!offered(id)) {
            continue;
        }
        if (pendingSeparator) {
            addSeparator();
            pendingSeparator = false;
        }
        addAction(id);
        any = true;
    }
}

} // namespace

CMainWin::CMainWin(CEditorApp& app, IPlatformServices& services, QWidget* parent)
    : QMainWindow(parent), app_(app), mdiArea_(new QMdiArea(this)),
      documents_(std::make_unique<DocumentCommands>(app, *this, services)),
      errorLogs_(std::make_unique<ErrorLogs>(app, *this, services)),
      projects_(std::make_unique<ProjectCommands>(app, *this, services)),
      linkValidation_(std::make_unique<LinkValidation>(app, *this, services)),
      browserPreview_(std::make_unique<BrowserPreview>(app, *this, services)) {
    setWindowTitle(QStringLiteral("Quillmark - Tagwright"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tagwright.svg")));
    setObjectName(QStringLiteral("MainWindow"));
    mdiArea_->setViewMode(QMdiArea::SubWindowView);
    mdiArea_->setActivationOrder(QMdiArea::CreationOrder);
    setCentralWidget(mdiArea_);
    setAcceptDrops(true);
    resize(1024, 768);

    commands_ = new CommandRegistry(this, *this, [this] { return activeChildTarget(); });
    childCommandSets_.push_back(&CChildWin::handlesCommand);
    childCommandSets_.push_back(&CErrorWin::handlesCommand);
    createStatusBar();
    createToolBars();
    createWorkspace();
    rebuildMenuBar();

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainWin::onSubWindowActivated);
    connect(this, &CMainWin::recentFileChosen, this,
            [this](const QString& path) { documents_->OpenFile(path.toStdString(), false); });
    // Toolbar buttons follow the state of their commands: re-evaluated on
    // every change that a rule reads (the editors and input events tell the
    // registry themselves).
    connect(QApplication::clipboard(), &QClipboard::dataChanged, commands_,
            &CommandRegistry::scheduleRefresh);
    commands_->refresh();
}

CMainWin::~CMainWin() {
    // QWidget's destructor closes the MDI area, whose last activation signal
    // would otherwise reach this half-destroyed window.
    disconnect(mdiArea_, nullptr, this, nullptr);
}

CChildWin* CMainWin::activeDocument() const {
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    return active == nullptr ? nullptr : qobject_cast<CChildWin*>(active->widget());
}

void CMainWin::updateTitle() {
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    const QString title = QStringLiteral("Quillmark - Tagwright");
    if (active == nullptr || active->widget() == nullptr) {
        setWindowTitle(title);
        return;
    }
    // The child keeps its whole path as its caption. A maximized MDI window
    // appends its frame's title to the main window's unless that already
    // holds it, so the frame takes the shortened text first.
    const QString shown = QString::fromStdString(
        ElideMiddle(active->widget()->windowTitle().toStdString(), kShownPathLength));
    if (active->windowTitle() != shown) {
        active->setWindowTitle(shown);
    }
    setWindowTitle(QStringLiteral("%1 - [%2]").arg(title, shown));
}

void CMainWin::onSubWindowActivated() {
    rebuildMenuBar();
    updateTitle();
    commands_->refresh();
    CChildWin* document = activeDocument();
    statusPanes_->follow(document != nullptr ? &document->editor() : nullptr);
    if (document != nullptr) {
        // Asked after the activation has settled, not in the middle of it.
        QTimer::singleShot(0, document, &CChildWin::checkChangedOnDisk);
    }
}

QToolBar* CMainWin::toolBar(int id) const {
    for (const auto& [barId, bar] : toolBars_) {
        if (barId == id) {
            return bar;
        }
    }
    return nullptr;
}

void CMainWin::registerChildCommands(std::function<bool(int)> handles) {
    childCommandSets_.push_back(std::move(handles));
    if (QToolBar* secondRow = toolBar(Cmd::ToolsToolbar)) {
        removeToolBarBreak(secondRow);
    }
    for (auto& [id, bar] : toolBars_) {
        removeToolBar(bar);
        delete bar;
    }
    toolBars_.clear();
    createToolBars();
    menusBuilt_ = false;
    rebuildMenuBar();
    commands_->refresh();
}

bool CMainWin::isOffered(int id) const {
    if (commands_->isHandled(id, nullptr)) {
        return true;
    }
    for (const auto& handles : childCommandSets_) {
        if (handles(id)) {
            return true;
        }
    }
    return false;
}

void CMainWin::createToolBars() {
    for (const ToolBarLayout& layout : ToolBarLayouts()) {
        if (layout.id == Cmd::ToolsToolbar) {
            addToolBarBreak();
        }
        auto* bar = new QToolBar(QString::fromUtf8(layout.title), this);
        bar->setObjectName(QString::fromUtf8(layout.title) + QStringLiteral("ToolBar"));
        bar->setIconSize(QSize(20, 20));
        addGroups(
            layout.buttons, [this](int id) { return isOffered(id); },
            [this, bar](int id) { bar->addAction(commands_->action(id)); },
            [bar] { bar->addSeparator(); });
        addToolBar(Qt::TopToolBarArea, bar);
        connect(bar, &QToolBar::visibilityChanged, commands_, &CommandRegistry::scheduleRefresh);
        bar->setVisible(!bar->actions().isEmpty());
        toolBars_.emplace_back(layout.id, bar);
    }
}

void CMainWin::createStatusBar() {
    QStatusBar* bar = statusBar();
    statusPanes_ = new StatusPanes(bar);
    // The lock-key panes stay blank: Qt cannot tell the state of those keys.
    for (const char* name : {"CapsPane", "NumPane", "ScrollPane"}) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QString::fromUtf8(name));
        pane->setMinimumWidth(36);
        bar->addPermanentWidget(pane);
    }
}

void CMainWin::createWorkspace() {
    workspace_ = new QDockWidget(QStringLiteral("Workspace"), this);
    workspace_->setObjectName(QStringLiteral("Workspace"));
    workspaceTabs_ = new QTabWidget(workspace_);
    workspaceTabs_->setTabPosition(QTabWidget::South);
    fileTree_ = new CTreeViewFile(app_.services(), workspaceTabs_);
    workspaceTabs_->addTab(fileTree_, QStringLiteral("Files"));
    connect(fileTree_, &CTreeViewFile::openRequested, this,
            [this](const QString& path) { documents_->OpenFile(path.toStdString(), false); });
    connect(fileTree_, &CTreeViewFile::checkRequested, this,
            [this](const QString& path) { errorLogs_->startRun({path.toStdString()}); });
    connect(fileTree_, &CTreeViewFile::browserRequested, this,
            [this](const QString& path) { browserPreview_->launch(path.toStdString()); });
    connect(fileTree_, &CTreeViewFile::addFilesRequested, this, [this] { projects_->addFiles(); });
    connect(fileTree_, &CTreeViewFile::uploadRequested, this, [this] { projects_->runUpload(); });
    projects_->setTree(fileTree_);
    workspace_->setWidget(workspaceTabs_);
    workspace_->setMinimumWidth(220);
    addDockWidget(Qt::LeftDockWidgetArea, workspace_);
    connect(workspace_, &QDockWidget::visibilityChanged, commands_,
            &CommandRegistry::scheduleRefresh);
}

MenuBarKind CMainWin::activeKind() const {
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    if (active == nullptr) {
        return MenuBarKind::NoChild;
    }
    return active->property("kind").toInt() == kErrorLogKind ? MenuBarKind::ErrorLog
                                                             : MenuBarKind::Document;
}

ICommandTarget* CMainWin::activeChildTarget() const {
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    return active == nullptr ? nullptr : dynamic_cast<ICommandTarget*>(active->widget());
}

void CMainWin::rebuildMenuBar() {
    const MenuBarKind kind = activeKind();
    if (menusBuilt_ && kind == shownKind_) {
        return;
    }
    shownKind_ = kind;
    menusBuilt_ = true;
    QMenuBar* bar = menuBar();
    for (QAction* old : bar->actions()) {
        if (QMenu* menu = old->menu()) {
            menu->deleteLater();
        }
    }
    bar->clear();
    for (const MenuLayout& layout : MenuBarLayout(kind)) {
        auto* menu = new QMenu(layout.title, bar);
        fillMenu(menu, layout.entries);
        if (!menu->isEmpty()) {
            bar->addMenu(menu);
        } else {
            delete menu;
        }
    }
}

void CMainWin::fillMenu(QMenu* menu, const std::vector<MenuEntry>& entries) {
    connect(menu, &QMenu::aboutToShow, commands_, &CommandRegistry::refresh);
    bool pendingSeparator = false;
    auto startItem = [&] {
        if (pendingSeparator && !menu->isEmpty()) {
            menu->addSeparator();
        }
        pendingSeparator = false;
    };
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Separator:
            pendingSeparator = true;
            break;
        case MenuEntry::Command:
            if (isOffered(entry.id)) {
                startItem();
                menu->addAction(commands_->action(entry.id));
            }
            break;
        case MenuEntry::SubMenu: {
            auto* sub = new QMenu(entry.title, menu);
            fillMenu(sub, entry.children);
            if (sub->isEmpty()) {
                delete sub;
            } else {
                startItem();
                menu->addMenu(sub);
            }
            break;
        }
        case MenuEntry::RecentFiles:
        case MenuEntry::RecentProjects: {
            const int first =
                entry.kind == MenuEntry::RecentFiles ? Cmd::RecentFile0 : Cmd::RecentProject0;
            if (isOffered(first)) {
                startItem();
                auto* sub = menu->addMenu(entry.title);
                fillRecentMenu(sub, first);
            }
            break;
        }
        case MenuEntry::WindowList:
            startItem();
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillWindowMenu(menu); });
            break;
        }
    }
}

void CMainWin::fillRecentMenu(QMenu* menu, int firstId) {
    for (int i = 0; i < kRecentCount; ++i) {
        menu->addAction(commands_->action(firstId + i));
    }
}

void CMainWin::fillWindowMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (action->property("windowEntry").toBool()) {
            menu->removeAction(action);
            action->deleteLater();
        }
    }
    int number = 1;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        QAction* action =
            menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(windowListText(sub)));
        action->setProperty("windowEntry", true);
        action->setCheckable(true);
        action->setChecked(sub == mdiArea_->activeSubWindow());
        connect(action, &QAction::triggered, this,
                [this, sub] { mdiArea_->setActiveSubWindow(sub); });
    }
}

// The caption stays the path; the list marks a document with unsaved edits.
QString CMainWin::windowListText(QMdiSubWindow* sub) {
    const auto* document = qobject_cast<const CChildWin*>(sub->widget());
    const QString caption = sub->widget() != nullptr ? sub->widget()->windowTitle() : QString();
    const bool modified = document != nullptr && document->editor().model().isModified();
    return modified ? caption + QStringLiteral(" *") : caption;
}

void CMainWin::UpdateRecentMenus() {
    commands_->refresh();
}

void CMainWin::showMessage(const QString& text) {
    statusBar()->showMessage(text);
}

QMdiSubWindow* CMainWin::addChild(QWidget* child, int kind) {
    QMdiSubWindow* sub = mdiArea_->addSubWindow(child);
    sub->setProperty("kind", kind);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(child, &QWidget::windowTitleChanged, this, &CMainWin::updateTitle);
    if (auto* document = qobject_cast<CChildWin*>(child)) {
        connect(&document->editor(), &CMyEditBox::changed, commands_,
                &CommandRegistry::scheduleRefresh);
        if (RecoveryKeeper* recovery = app_.recovery()) {
            recovery->watch(document);
        }
    }
    sub->showMaximized();
    mdiArea_->setActiveSubWindow(sub);
    return sub;
}

std::vector<std::pair<QWidget*, int>> CMainWin::windowList() const {
    std::vector<std::pair<QWidget*, int>> list;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        list.emplace_back(sub->widget(), sub->property("kind").toInt());
    }
    return list;
}

QWidget* CMainWin::barFor(int id) const {
    if (id == Cmd::ProjectBar) {
        return workspace_;
    }
    if (id == Cmd::StatusBar) {
        return statusBar();
    }
    return toolBar(id);
}

// Cascaded windows overlap by a title bar's height, each two thirds of the
// area, so that every caption shows and each window is still useful.
void CMainWin::cascade() {
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    const QRect area = mdiArea_->viewport()->rect();
    const QSize size(std::max(area.width() * 2 / 3, 1), std::max(area.height() * 2 / 3, 1));
    const int step = std::max(style()->pixelMetric(QStyle::PM_TitleBarHeight), 16);
    const int room =
        std::max(std::min(area.width() - size.width(), area.height() - size.height()), 0);
    const int steps = std::max(room / step, 1);
    for (int i = 0; i < static_cast<int>(windows.size()); ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        const int offset = (i % steps) * step;
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
    }
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow()) {
        active->raise();
    }
}

// Tile Horizontal stacks the windows one above the other, each as wide as
// the area; Tile Vertical puts them side by side.
void CMainWin::tile(Qt::Orientation stacking) {
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    const QRect area = mdiArea_->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        if (stacking == Qt::Vertical) {
            const int height = area.height() / count;
            window->setGeometry(0, i * height, area.width(), height);
        } else {
            const int width = area.width() / count;
            window->setGeometry(i * width, 0, width, area.height());
        }
    }
}

namespace {

QStringList droppedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) {
            files << url.toLocalFile();
        }
    }
    return files;
}

} // namespace

void CMainWin::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainWin::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    for (const QString& file : files) {
        documents_->OpenFile(file.toStdString(), false);
    }
}

void CMainWin::closeEvent(QCloseEvent* event) {
    // Taken before the windows and the project go; kept only if all close.
    const Session session = SessionWindows::capture(*this, app_.state());
    if (!projects_->closeProject()) {
        event->ignore();
        return;
    }
    closeCancelled_ = false;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->close() || closeCancelled_) {
            event->ignore();
            return;
        }
    }
    event->accept();
    app_.saveSession(session);
    app_.SaveSettings();
}

namespace {

void showRecentFile(CMainWin& window, int id, CommandState& state) {
    const auto& entries = window.recentFiles().entries();
    const auto slot = static_cast<std::size_t>(id - Cmd::RecentFile0);
    state.enabled = slot < entries.size();
    if (state.enabled) {
        // An "&" in a path is a letter here, not a menu mnemonic.
        state.text = QString::fromStdString(ElideMiddle(entries[slot], kShownPathLength))
                         .replace('&', QStringLiteral("&&"));
    }
}

void openRecentFile(CMainWin& window, int id) {
    const auto& entries = window.recentFiles().entries();
    const auto slot = static_cast<std::size_t>(id - Cmd::RecentFile0);
    if (slot < entries.size()) {
        emit window.recentFileChosen(QString::fromStdString(entries[slot]));
    }
}

} // namespace

const CommandRows<CMainWin>& CMainWin::commandRows() {
    using Row = CommandRow<CMainWin>;
    static const CommandRows<CMainWin> rows = [] {
        std::vector<Row> list = {
            {Cmd::UseMarks,
             [](CMainWin& w, int, CommandState& state) {
                 state.checkable = true;
                 state.checked = w.app_.state().UseMarks == 1;
             },
             [](CMainWin& w, int) {
                 w.app_.state().UseMarks = w.app_.state().UseMarks == 1 ? 0 : 1;
                 w.commands_->refresh();
             }},
            {Cmd::LineNumbers,
             [](CMainWin& w, int, CommandState& state) {
                 state.checkable = true;
                 state.checked = w.app_.settings().LineNumbers != 0;
             },
             [](CMainWin& w, int) { w.toggleLineNumbers(); }},
            {Cmd::Exit, nullptr, [](CMainWin& w, int) { w.close(); }},
            {Cmd::Cascade, nullptr, [](CMainWin& w, int) { w.cascade(); }},
            {Cmd::TileHorizontal, nullptr, [](CMainWin& w, int) { w.tile(Qt::Vertical); }},
            {Cmd::TileVertical, nullptr, [](CMainWin& w, int) { w.tile(Qt::Horizontal); }},
            {Cmd::NextWindow, nullptr,
             [](CMainWin& w, int) { w.mdiArea_->activateNextSubWindow(); }},
            {Cmd::TipOfTheDay, nullptr, [](CMainWin& w, int) { w.showTips(); }},
            {Cmd::About, nullptr, [](CMainWin& w, int) { CAboutDlg(&w).exec(); }},
            {Cmd::TagData, nullptr,
             [](CMainWin& w, int) { CHtmlLanguageDlg(w.app_.tagData(), &w).exec(); }},
            {Cmd::Options, nullptr, [](CMainWin& w, int) { w.showOptions(); }},
        };
        for (int slot = 0; slot < kRecentCount; ++slot) {
            list.push_back({Cmd::RecentFile0 + slot, showRecentFile, openRecentFile});
        }
        for (const int bar : {Cmd::StandardToolbar, Cmd::FormatToolbar, Cmd::ToolsToolbar,
                              Cmd::ProjectToolbar, Cmd::ProjectBar, Cmd::StatusBar}) {
            list.push_back({bar,
                            [](CMainWin& w, int id, CommandState& state) {
                                state.checkable = true;
                                state.checked = w.barFor(id)->isVisible();
                            },
                            [](CMainWin& w, int id) {
                                QWidget* shown = w.barFor(id);
                                shown->setVisible(!shown->isVisible());
                            }});
        }
        return CommandRows<CMainWin>(std::move(list));
    }();
    return rows;
}

// A toolbar without a single command to offer is neither shown nor listed.
bool CMainWin::isEmptyToolBar(int id) const {
    const auto* bar = qobject_cast<const QToolBar*>(barFor(id));
    return bar != nullptr && bar->actions().isEmpty();
}

bool CMainWin::commandState(int id, CommandState& state) {
    if (documents_->commandState(id, state) || errorLogs_->commandState(id, state) ||
        projects_->commandState(id, state) || browserPreview_->commandState(id, state) ||
        linkValidation_->commandState(id, state)) {
        return true;
    }
    return !isEmptyToolBar(id) && commandRows().state(*this, id, state);
}

bool CMainWin::runCommand(int id) {
    return documents_->runCommand(id) || errorLogs_->runCommand(id) || projects_->runCommand(id) ||
           browserPreview_->runCommand(id) || linkValidation_->runCommand(id) ||
           commandRows().run(*this, id);
}

void CMainWin::toggleLineNumbers() {
    CEditorSettings& settings = app_.settings();
    settings.LineNumbers = settings.LineNumbers != 0 ? 0 : 1;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        if (auto* document = qobject_cast<CChildWin*>(sub->widget())) {
            document->editor().setLineNumbersShown(settings.LineNumbers != 0);
        }
    }
    commands_->refresh();
}

RecentList& CMainWin::recentFiles() const {
    return app_.recentFiles();
}

void CMainWin::showTips() {
    const QString tips =
        QString::fromStdString(ResolveDataFile(app_.state().InstallDir, "Help/Tips.txt"));
    CTipDlg(tips, CTipDlg::stepsForNow(), this).exec();
}
