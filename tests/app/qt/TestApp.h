#pragma once

#include "FakeServices.h"
#include "app/qt/CEditorApp.h"

#include <QSettings>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>

// The application over a real INI settings file, with FakeServices answering
// every dialog and message box; started as each test needs.
class TestApp : public CEditorApp {
public:
    explicit TestApp(const std::string& settingsFile)
        : CEditorApp(std::make_unique<QSettings>(QString::fromStdString(settingsFile),
                                                 QSettings::IniFormat)) {
        setServices(std::unique_ptr<IPlatformServices>(fakes));
        // Recovery texts beside the settings, never in the user's folder.
        setRecoveryRoot(QString::fromStdString(
            (std::filesystem::path(settingsFile).parent_path() / "recovery").string()));
    }

    // Starts as when the installation was found in installDir.
    bool startFrom(const std::string& installDir, const QStringList& arguments = {}) {
        setFoundInstallDir(QString::fromStdString(installDir));
        return InitInstance(arguments);
    }

    FakeServices* fakes = new FakeServices; // owned by the application
};
