#include "app/qt/CMainWin.h"

#include "app/CommandIds.h"
#include "app/qt/CAboutDlg.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CTipDlg.h"
#include "app/qt/CommandRegistry.h"
#include "app/qt/DocumentCommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <array>

namespace {

constexpr int kSeparator = 0;
constexpr int kRecentCount = 5;

struct ToolBarLayout {
    int id;
    const char* title;
    std::vector<int> buttons;
};

std::array<ToolBarLayout, 4> toolBarLayouts() {
    return {{
        {Cmd::StandardToolbar,
         "Standard",
         {Cmd::NewFromTemplate, Cmd::FileOpen, Cmd::FileSave, Cmd::FileSaveAll, kSeparator,
          Cmd::Cut, Cmd::Copy, Cmd::Paste, kSeparator, Cmd::Undo, Cmd::Redo, kSeparator,
          Cmd::MarkSelection, Cmd::RemoveMark, Cmd::UseMarks}},
        {Cmd::FormatToolbar,
         "Format",
         {Cmd::Font, kSeparator, Cmd::Bold, Cmd::Italic, Cmd::Underline, Cmd::Center, kSeparator,
          Cmd::Header1, Cmd::Header1 + 1, Cmd::Header1 + 2, Cmd::Header1 + 3, Cmd::Header1 + 4,
          Cmd::Header1 + 5, kSeparator, Cmd::LineBreak, Cmd::Paragraph}},
        {Cmd::ToolsToolbar,
         "Tools",
         {Cmd::InsertTag, kSeparator, Cmd::InsertImage, Cmd::InsertTable, Cmd::InsertFrames,
          Cmd::InsertAnchor, kSeparator, Cmd::Preview, Cmd::Check, Cmd::ValidateLinks}},
        {Cmd::ProjectToolbar,
         "Project",
         {Cmd::ProjectSettings, Cmd::AddFiles, kSeparator, Cmd::ProjectLinkValidation,
          Cmd::CheckProject, Cmd::Upload}},
    }};
}

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
      documents_(std::make_unique<DocumentCommands>(app, *this, services)) {
    setWindowTitle(QStringLiteral("Quillmark - Tagwright"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tagwright.svg")));
    setObjectName(QStringLiteral("MainWindow"));
    mdiArea_->setViewMode(QMdiArea::SubWindowView);
    mdiArea_->setActivationOrder(QMdiArea::CreationOrder);
    setCentralWidget(mdiArea_);
    resize(1024, 768);

    commands_ = new CommandRegistry(this, *this, [this] { return activeChildTarget(); });
    childCommandSets_.push_back(&CChildWin::handlesCommand);
    createStatusBar();
    createToolBars();
    createWorkspace();
    rebuildMenuBar();

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainWin::onSubWindowActivated);
    connect(this, &CMainWin::recentFileChosen, this,
            [this](const QString& path) { documents_->OpenFile(path.toStdString(), false); });
    // Toolbar buttons follow the state of their commands the way menus do
    // before they open: re-evaluated whenever the program is idle.
    auto* idle = new QTimer(this);
    idle->setInterval(150);
    connect(idle, &QTimer::timeout, commands_, &CommandRegistry::refresh);
    idle->start();
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
    setWindowTitle(
        active == nullptr ? title : QStringLiteral("%1 - [%2]").arg(title, active->windowTitle()));
}

void CMainWin::onSubWindowActivated() {
    rebuildMenuBar();
    updateTitle();
    commands_->refresh();
    if (CChildWin* document = activeDocument()) {
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
    for (const ToolBarLayout& layout : toolBarLayouts()) {
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
        bar->setVisible(!bar->actions().isEmpty());
        toolBars_.emplace_back(layout.id, bar);
    }
}

void CMainWin::createStatusBar() {
    QStatusBar* bar = statusBar();
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
    auto* files = new QTreeWidget(workspaceTabs_);
    files->setObjectName(QStringLiteral("Files"));
    files->setHeaderHidden(true);
    // Until a project is opened the tree says so rather than stand empty.
    auto* placeholder = new QTreeWidgetItem(files, {QStringLiteral("No project is open")});
    placeholder->setFlags(Qt::NoItemFlags);
    workspaceTabs_->addTab(files, QStringLiteral("Files"));
    workspace_->setWidget(workspaceTabs_);
    workspace_->setMinimumWidth(220);
    addDockWidget(Qt::LeftDockWidgetArea, workspace_);
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
            menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(sub->windowTitle()));
        action->setProperty("windowEntry", true);
        action->setCheckable(true);
        action->setChecked(sub == mdiArea_->activeSubWindow());
        connect(action, &QAction::triggered, this,
                [this, sub] { mdiArea_->setActiveSubWindow(sub); });
    }
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

bool CMainWin::commandState(int id, CommandState& state) {
    if (documents_->commandState(id, state)) {
        return true;
    }
    const RecentList* recent = nullptr;
    int slot = 0;
    if (id >= Cmd::RecentFile0 && id < Cmd::RecentFile0 + kRecentCount) {
        recent = &app_.recentFiles();
        slot = id - Cmd::RecentFile0;
    } else if (id >= Cmd::RecentProject0 && id < Cmd::RecentProject0 + kRecentCount) {
        return false; // projects arrive with the project commands
    }
    if (recent != nullptr) {
        state.enabled = static_cast<std::size_t>(slot) < recent->size();
        if (state.enabled) {
            state.text = QString::fromStdString(recent->entries()[static_cast<std::size_t>(slot)]);
        }
        return true;
    }
    if (QWidget* bar = barFor(id)) {
        const auto* toolBarWidget = qobject_cast<const QToolBar*>(bar);
        if (toolBarWidget != nullptr && toolBarWidget->actions().isEmpty()) {
            return false;
        }
        state.checkable = true;
        state.checked = bar->isVisible();
        return true;
    }
    switch (id) {
    case Cmd::UseMarks:
        state.checkable = true;
        state.checked = app_.state().UseMarks == 1;
        return true;
    case Cmd::Exit:
    case Cmd::Cascade:
    case Cmd::TileHorizontal:
    case Cmd::TileVertical:
    case Cmd::NextWindow:
    case Cmd::TipOfTheDay:
    case Cmd::About:
        return true;
    default:
        return false;
    }
}

bool CMainWin::runViewCommand(int id) {
    QWidget* bar = barFor(id);
    if (bar == nullptr) {
        return false;
    }
    bar->setVisible(!bar->isVisible());
    return true;
}

bool CMainWin::runWindowCommand(int id) {
    switch (id) {
    case Cmd::Cascade:
        mdiArea_->cascadeSubWindows();
        return true;
    case Cmd::TileHorizontal:
        tile(Qt::Vertical);
        return true;
    case Cmd::TileVertical:
        tile(Qt::Horizontal);
        return true;
    case Cmd::NextWindow:
        mdiArea_->activateNextSubWindow();
        return true;
    default:
        return false;
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

bool CMainWin::runCommand(int id) {
    if (documents_->runCommand(id)) {
        return true;
    }
    if (id >= Cmd::RecentFile0 && id < Cmd::RecentFile0 + kRecentCount) {
        const auto& entries = app_.recentFiles().entries();
        const auto slot = static_cast<std::size_t>(id - Cmd::RecentFile0);
        if (slot < entries.size()) {
            emit recentFileChosen(QString::fromStdString(entries[slot]));
        }
        return true;
    }
    if (runViewCommand(id) || runWindowCommand(id)) {
        return true;
    }
    switch (id) {
    case Cmd::UseMarks:
        app_.state().UseMarks = app_.state().UseMarks == 1 ? 0 : 1;
        commands_->refresh();
        return true;
    case Cmd::Exit:
        exiting_ = true;
        QApplication::exit(0);
        return true;
    case Cmd::TipOfTheDay: {
        const QString tips = QString::fromStdString(app_.state().InstallDir) + "Help/Tips.txt";
        CTipDlg(tips, CTipDlg::stepsForNow(), this).exec();
        return true;
    }
    case Cmd::About:
        CAboutDlg(this).exec();
        return true;
    default:
        return false;
    }
}

void CMainWin::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    app_.closeProject();
    closeCancelled_ = false;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->close() || closeCancelled_) {
            event->ignore();
            return;
        }
    }
    event->accept();
    app_.SaveSettings();
}
