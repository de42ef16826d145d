#include "app/qt/CEditorApp.h"

#include "app/InstallPaths.h"
#include "app/SettingsIO.h"
#include "app/qt/CMainWin.h"
#include "app/qt/QSettingsStore.h"
#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QScreen>
#include <QSettings>

namespace {
CEditorApp* theApp = nullptr;
}

// The icons live in the UI library, a static library whose resource
// initialiser the linker would otherwise drop.
static void initResources() {
    Q_INIT_RESOURCE(tagwright);
}

CEditorApp::CEditorApp(std::unique_ptr<QSettings> settings, QObject* parent)
    : QObject(parent), store_(std::move(settings)) {
    initResources();
    if (!store_) {
        store_ =
            std::make_unique<QSettings>(QStringLiteral("Quillmark"), QStringLiteral("Tagwright"));
    }
    theApp = this;
}

CEditorApp::~CEditorApp() {
    mainWin_.reset();
    if (theApp == this) {
        theApp = nullptr;
    }
}

CEditorApp* CEditorApp::instance() {
    return theApp;
}

bool CEditorApp::InitInstance(const QStringList& arguments) {
    mainWin_ = std::make_unique<CMainWin>(*this);
    // Without a window manager "maximized" changes nothing; start at the
    // screen's size all the same.
    if (const QScreen* screen = mainWin_->screen()) {
        mainWin_->setGeometry(screen->availableGeometry());
    }
    mainWin_->showMaximized();

    loadInstallPaths();
    LoadSettings();

    std::vector<std::string> words;
    for (const QString& argument : arguments) {
        words.push_back(argument.toStdString());
    }
    startupAction_ = ProcessCommandLine(JoinArguments(words));
    return true;
}

void CEditorApp::loadInstallPaths() {
    if (foundInstallDir_.isEmpty()) {
        const std::string exe = CurrentExecutablePath();
        foundInstallDir_ = QString::fromStdString(FindInstallDir(exe));
    }
    QSettingsStore store(*store_);
    const InstallPaths paths = LoadInstallPaths(store, foundInstallDir_.toStdString());
    state_.InstallDir = paths.InstallDir;
    state_.TemplateDir = paths.TemplateDir;
    state_.DefaultTemplate = paths.DefaultTemplate;
    store_->sync();
}

void CEditorApp::closeProject() {
    if (state_.CurrentProject && !state_.CurrentProject->Path.empty()) {
        SaveProject(*state_.CurrentProject);
    }
    state_.CurrentProject.reset();
}

void CEditorApp::LoadSettings() {
    QSettingsStore store(*store_);
    recentFiles_ = RecentList();
    recentProjects_ = RecentList();
    ::LoadSettings(store, settings_, recentFiles_, recentProjects_);
}

void CEditorApp::SaveSettings() {
    QSettingsStore store(*store_);
    ::SaveSettings(store, state_.DefaultTemplate, settings_, recentFiles_, recentProjects_);
    store_->sync();
}
