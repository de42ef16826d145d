#include "app/qt/CEditorApp.h"

#include "FakeServices.h"
#include "TempDir.h"
#include "app/qt/CMainWin.h"

#include <QApplication>
#include <QMdiArea>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

// A real QSettings in the INI format, in a file of its own per test.
std::unique_ptr<QSettings> settingsIn(const TempDir& dir) {
    return std::make_unique<QSettings>(QString::fromStdString(dir.path("Tagwright.conf")),
                                       QSettings::IniFormat);
}

QSettings reopen(const TempDir& dir) {
    return QSettings(QString::fromStdString(dir.path("Tagwright.conf")), QSettings::IniFormat);
}

} // namespace

TEST(EditorApp, FirstStartWritesTheInstallPathsAndShowsTheMainWindow) {
    TempDir config;
    TempDir install;
    CEditorApp app(settingsIn(config));
    auto* services = new FakeServices;
    app.setServices(std::unique_ptr<IPlatformServices>(services));
    app.setFoundInstallDir(QString::fromStdString(install.dir()));
    ASSERT_TRUE(app.InitInstance({}));

    QSettings stored = reopen(config);
    EXPECT_EQ(stored.value("Main/InstallDir").toString().toStdString(), install.dir());
    EXPECT_EQ(stored.value("Main/TemplateDir").toString(), "templates/");
    EXPECT_EQ(stored.value("Main/DefaultTemplate").toString(), "default.htm");
    EXPECT_FALSE(stored.contains("Options/SaveClose"));

    CMainWin* window = app.mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Quillmark - Tagwright");
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(window->mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(app.startupAction().kind, CommandLineAction::Nothing);
    // The empty installation has no tag data: the user is told which file.
    ASSERT_EQ(services->messages.size(), 1);
    EXPECT_TRUE(
        services->messages[0].contains(QString::fromStdString(install.path("Data/Tags.txt"))));
}

TEST(EditorApp, ClosingTheMainWindowSavesEveryOption) {
    TempDir config;
    TempDir install;
    CEditorApp app(settingsIn(config));
    auto* services = new FakeServices;
    app.setServices(std::unique_ptr<IPlatformServices>(services));
    app.setFoundInstallDir(QString::fromStdString(install.dir()));
    app.InitInstance({});
    app.settings().SaveClose = 0;
    app.recentFiles().add("/site/index.html");
    ASSERT_TRUE(app.mainWindow()->close());

    QSettings stored = reopen(config);
    EXPECT_EQ(stored.value("Options/SaveClose").toInt(), 0);
    EXPECT_EQ(stored.value("Options/TagData").toString(), "Data/Tags.txt");
    EXPECT_EQ(stored.value("Options/Other Browser").toString(), "");
    EXPECT_EQ(stored.value("Options/Editing 7").toInt(), 1);
    EXPECT_EQ(stored.value("Options/Color 1").toInt(), 0xFF0000);
    EXPECT_EQ(stored.value("Recent/File 0").toString(), "/site/index.html");
}

TEST(EditorApp, StoredValuesAreUsedAndBadOnesReadAsDefaults) {
    TempDir config;
    TempDir install;
    {
        QSettings stored = reopen(config);
        stored.setValue("Main/InstallDir", QString::fromStdString(install.dir()));
        stored.setValue("Options/SaveClose", "often");
        stored.setValue("Options/Browser", 51);
        stored.setValue("Options/Color 4", 0x00FFFFFF);
        stored.setValue("Options/TagData", QString(300, 'x'));
        stored.setValue("Recent/File 0", "");
        stored.setValue("Recent/File 1", "/b.html");
        stored.setValue("Recent/Project 0", "/site.prj");
    }
    TempDir elsewhere;
    CEditorApp app(settingsIn(config));
    auto* services = new FakeServices;
    app.setServices(std::unique_ptr<IPlatformServices>(services));
    app.setFoundInstallDir(QString::fromStdString(elsewhere.dir()));
    app.InitInstance({"app", "/home/ann/my page.html"});

    EXPECT_EQ(app.state().InstallDir, install.dir());
    EXPECT_EQ(app.settings().SaveClose, 2);
    EXPECT_EQ(app.settings().Browser, 51);
    EXPECT_EQ(app.settings().Color[4], 0x00FFFFFFu);
    EXPECT_EQ(app.settings().TagData, std::string(255, 'x'));
    EXPECT_EQ(app.recentFiles().entries(), std::vector<std::string>{"/b.html"});
    EXPECT_EQ(app.recentProjects().entries(), std::vector<std::string>{"/site.prj"});
    EXPECT_EQ(app.startupAction().kind, CommandLineAction::OpenFile);
    EXPECT_EQ(app.startupAction().path, "/home/ann/my page.html");
    EXPECT_TRUE(services->messages.contains("Failed to open file"));
    EXPECT_TRUE(app.mainWindow()->mdiArea()->subWindowList().isEmpty());
}
