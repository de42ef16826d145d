#pragma once

#include "app/CAppState.h"
#include "app/CEditorSettings.h"
#include "app/CommandLine.h"
#include "app/RecentList.h"
#include "html/CTagData.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class CMainWin;
class ColorKeyWorker;
class IPlatformServices;
class RecoveryKeeper;
struct Session;
#include <QSettings>

// The application: owns the settings, the application state and the recent
// lists, builds the main window and runs the start-up sequence. One instance
// lives beside the QApplication for the whole run.
class CEditorApp : public QObject {
    Q_OBJECT

public:
    // settings may be given (tests point it at a temporary file); otherwise
    // the user's settings of "Quillmark"/"Tagwright" are used.
    explicit CEditorApp(std::unique_ptr<QSettings> settings = nullptr, QObject* parent = nullptr);
    ~CEditorApp() override;

    // The start-up sequence: main window, installation paths, settings and
    // the command line (the text of the arguments after the program name).
    bool InitInstance(const QStringList& arguments);

    void LoadSettings();
    void SaveSettings();

    CAppState& state() { return state_; }
    CEditorSettings& settings() { return settings_; }
    RecentList& recentFiles() { return recentFiles_; }
    RecentList& recentProjects() { return recentProjects_; }
    CMainWin* mainWindow() const { return mainWin_.get(); }
    const CTagData& tagData() const { return tagData_; }
    // The tag data path as it was when the tag data was loaded; the settings
    // may name another one, read at the next start.
    const std::string& tagDataInUse() const { return tagDataInUse_; }
    // The one colouring thread every editor hands its passes to.
    ColorKeyWorker& colorWorker() const { return *colorWorker_; }
    IPlatformServices& services() const { return *services_; }
    // Tests answer the dialogs and message boxes; call before InitInstance.
    void setServices(std::unique_ptr<IPlatformServices> services);
    QSettings& store() { return *store_; }
    // Keeps modified documents' text for recovery; null before InitInstance.
    RecoveryKeeper* recovery() const { return recovery_.get(); }
    // Where recovery texts are kept (the user's data folder unless set);
    // tests set it beforehand.
    void setRecoveryRoot(const QString& folder) { recoveryRoot_ = folder; }
    // Remembers what a normal close leaves open, for the next start.
    void saveSession(const Session& session);
    const CommandLineAction& startupAction() const { return startupAction_; }

    // Where the executable's data files are; tests may set it beforehand.
    void setFoundInstallDir(const QString& directory) { foundInstallDir_ = directory; }
    // The executable the data files are looked for beside; tests may set it
    // beforehand instead of the directory.
    void setExecutablePath(const QString& path) { executablePath_ = path; }

private:
    void loadInstallPaths();
    void loadTagData();
    void warnOnceIfSettingsUnwritten();
    void runStartupAction();
    void reopenSession(const QStringList& arguments);
    void offerRecovery();
    QStringList openCommandLineProject(const QStringList& arguments);

    std::unique_ptr<QSettings> store_;
    CAppState state_;
    CEditorSettings settings_;
    RecentList recentFiles_;
    RecentList recentProjects_;
    CTagData tagData_;
    std::string tagDataInUse_;
    std::unique_ptr<IPlatformServices> services_;
    // Declared before the main window, so that every editor has let go of
    // the worker before it stops.
    std::unique_ptr<ColorKeyWorker> colorWorker_;
    // Outlives the windows, whose closing removes their recovery texts.
    std::unique_ptr<RecoveryKeeper> recovery_;
    QString recoveryRoot_;
    std::unique_ptr<CMainWin> mainWin_;
    CommandLineAction startupAction_;
    QString foundInstallDir_;
    QString executablePath_;
    std::vector<std::string> installDirLookedIn_;
    bool settingsWarningShown_ = false;
};
