#include "app/qt/CEditorApp.h"

#include "app/InstallPaths.h"
#include "app/SettingsIO.h"
#include "app/qt/CMainWin.h"
#include "app/qt/QSettingsStore.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
CEditorApp* theApp = nullptr;
}

CEditorApp::CEditorApp(std::unique_ptr<QSettings> settings, QObject* parent)
    : QObject(parent), store_(std::move(settings)) {
    if (!store_) {
        store_ = std::make_unique<QSettings>(QStringLiteral("Quillmark"), QStringLiteral("Tagwright"));
    }
    theApp = this;
}

CEditorApp::~CEditorApp() {
    mainWin_.reset();
    if (theApp == this) {
        theApp = nullptr;
    }
}

CEditorApp* CEditorApp::instance() { return theApp; }

bool CEditorApp::InitInstance(const QStringList& arguments) {
    mainWin_ = std::make_unique<CMainWin>(*this);
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
