#include "app/qt/CEditorApp.h"

#include "app/InstallPaths.h"
#include "app/Session.h"
#include "app/SettingsIO.h"
#include "app/qt/CMainWin.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/ProjectCommands.h"
#include "app/qt/QSettingsStore.h"
#include "app/qt/QtPlatformServices.h"
#include "app/qt/RecoveryKeeper.h"
#include "app/qt/SessionWindows.h"
#include "editor/qt/ColorKeyWorker.h"
#include "project/PathUtils.h"

#include <QCoreApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

// The icons live in the UI library, a static library whose resource
// initialiser the linker would otherwise drop.
static void initResources() {
    Q_INIT_RESOURCE(tagwright);
}

CEditorApp::CEditorApp(std::unique_ptr<QSettings> settings, QObject* parent)
    : QObject(parent), store_(std::move(settings)),
      services_(std::make_unique<QtPlatformServices>()),
      colorWorker_(std::make_unique<ColorKeyWorker>()) {
    initResources();
    if (!store_) {
        store_ =
            std::make_unique<QSettings>(QStringLiteral("Quillmark"), QStringLiteral("Tagwright"));
    }
}

// The windows go first, then the colouring thread is stopped and joined.
CEditorApp::~CEditorApp() {
    mainWin_.reset();
    colorWorker_.reset();
}

void CEditorApp::setServices(std::unique_ptr<IPlatformServices> services) {
    services_ = std::move(services);
}

bool CEditorApp::InitInstance(const QStringList& arguments) {
    if (recoveryRoot_.isEmpty()) {
        recoveryRoot_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                        QStringLiteral("/recovery");
    }
    recovery_ = std::make_unique<RecoveryKeeper>(recoveryRoot_);
    mainWin_ = std::make_unique<CMainWin>(*this, *services_);
    // Without a window manager "maximized" changes nothing; start at the
    // screen's size all the same.
    if (const QScreen* screen = mainWin_->screen()) {
        mainWin_->setGeometry(screen->availableGeometry());
    }
    mainWin_->showMaximized();

    loadInstallPaths();
    LoadSettings();
    loadTagData();
    mainWin_->UpdateRecentMenus();

    std::vector<std::string> words;
    for (const QString& argument : openCommandLineProject(arguments)) {
        words.push_back(argument.toStdString());
    }
    startupAction_ = ProcessCommandLine(JoinArguments(words));
    runStartupAction();
    reopenSession(arguments);
    offerRecovery();
    return true;
}

// Only a start without anything to open picks up where the last one ended.
void CEditorApp::reopenSession(const QStringList& arguments) {
    if (!arguments.isEmpty() || startupAction_.kind != CommandLineAction::Nothing ||
        settings_.ReopenSession == 0) {
        return;
    }
    QSettingsStore store(*store_);
    SessionWindows::reopen(Session::load(store), *mainWin_);
}

void CEditorApp::saveSession(const Session& session) {
    QSettingsStore store(*store_);
    session.save(store);
}

void CEditorApp::offerRecovery() {
    const std::vector<RecoveryFile> leftovers = recovery_->leftovers();
    if (leftovers.empty()) {
        recovery_->discardLeftovers(); // a write that was cut short keeps nothing
        return;
    }
    if (services_->askYesNo(mainWin_.get(), QStringLiteral("Recover unsaved changes?"),
                            QStringLiteral("Quillmark Tagwright"))) {
        SessionWindows::recover(leftovers, *mainWin_);
    }
    recovery_->discardLeftovers();
}

void CEditorApp::loadTagData() {
    tagDataInUse_ = settings_.TagData;
    if (state_.InstallDir.empty()) {
        services_->message(mainWin_.get(),
                           QString::fromStdString(DataFolderNotFoundMessage(installDirLookedIn_)));
        return;
    }
    const std::string tagFile = ResolveDataFile(state_.InstallDir, settings_.TagData);
    const std::string colorFile = ResolveDataFile(state_.InstallDir, ColorNamesFile);
    const TagDataLoadResult result = tagData_.LoadTagData(tagFile, colorFile);
    if (result.ok()) {
        return;
    }
    QString files;
    QString reasons;
    for (std::size_t i = 0; i < result.unreadableFiles.size(); ++i) {
        const QString file = QString::fromStdString(result.unreadableFiles[i]);
        files += QStringLiteral("\n    ") + file;
        reasons += file + QStringLiteral(": ") + QString::fromStdString(result.reasons[i]) +
                   QStringLiteral("\n");
    }
    services_->failure(
        mainWin_.get(),
        QStringLiteral(
            "These data files could not be read:%1\n\nTags will not be coloured, checked or "
            "offered until they can be read.")
            .arg(files),
        reasons.trimmed());
}

namespace {

bool isProjectFile(const std::string& path) {
    return HasExtension("*.prj", path);
}

std::string fromCurrentFolder(const std::string& path) {
    return AbsoluteCommandLinePath(path, std::filesystem::current_path().string());
}

} // namespace

// "tagwright site.prj" opens the project; "tagwright site.prj page.html"
// opens the project and then the page. Returns the arguments left for a
// document.
QStringList CEditorApp::openCommandLineProject(const QStringList& arguments) {
    if (arguments.size() < 2 || !isProjectFile(arguments.first().toStdString())) {
        return arguments;
    }
    mainWin_->projects().openProject(fromCurrentFolder(arguments.first().toStdString()));
    return arguments.mid(1);
}

void CEditorApp::runStartupAction() {
    DocumentCommands& documents = mainWin_->documents();
    switch (startupAction_.kind) {
    case CommandLineAction::OpenFile:
        if (isProjectFile(startupAction_.path)) {
            mainWin_->projects().openProject(fromCurrentFolder(startupAction_.path));
            break;
        }
        documents.OpenFile(fromCurrentFolder(startupAction_.path), true);
        break;
    case CommandLineAction::NewFromDefaultTemplate:
        documents.newFromDefaultTemplate();
        break;
    case CommandLineAction::Nothing:
        break;
    }
}

void CEditorApp::loadInstallPaths() {
    if (foundInstallDir_.isEmpty()) {
        const std::string exe =
            executablePath_.isEmpty() ? CurrentExecutablePath() : executablePath_.toStdString();
        InstallDirSearch search = SearchInstallDir(exe);
        foundInstallDir_ = QString::fromStdString(search.found);
        installDirLookedIn_ = std::move(search.lookedIn);
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
    warnOnceIfSettingsUnwritten();
}

// A settings file that cannot be written (a folder in its place, a read-only
// file) would lose every change silently; once is enough to tell the user.
void CEditorApp::warnOnceIfSettingsUnwritten() {
    if (store_->status() == QSettings::NoError || settingsWarningShown_) {
        return;
    }
    settingsWarningShown_ = true;
    services_->message(
        mainWin_.get(),
        QStringLiteral("The settings could not be saved to %1.\nChanges to the options and "
                       "the recent lists are lost when the program ends.")
            .arg(store_->fileName()));
}
