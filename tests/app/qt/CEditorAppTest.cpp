#include "app/qt/CEditorApp.h"

#include "CaseName.h"
#include "TempDir.h"
#include "TestApp.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CMainWin.h"
#include "editor/qt/CMyEditBox.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A real settings file in the INI format, of its own per test.
std::string settingsFile(const TempDir& dir) {
    return dir.path("Tagwright.conf");
}

QSettings reopen(const TempDir& dir) {
    return QSettings(QString::fromStdString(settingsFile(dir)), QSettings::IniFormat);
}

} // namespace

TEST(EditorApp, FirstStartWritesTheInstallPathsAndShowsTheMainWindow) {
    TempDir config;
    TempDir install;
    TestApp app(settingsFile(config));
    ASSERT_TRUE(app.startFrom(install.dir()));

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
    ASSERT_EQ(app.fakes->messages.size(), 1);
    EXPECT_TRUE(
        app.fakes->messages[0].contains(QString::fromStdString(install.path("Data/Tags.txt"))));
}

TEST(EditorApp, ClosingTheMainWindowSavesEveryOption) {
    TempDir config;
    TempDir install;
    TestApp app(settingsFile(config));
    app.startFrom(install.dir());
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
    TestApp app(settingsFile(config));
    app.startFrom(elsewhere.dir(), {"app", "/home/ann/my page.html"});

    EXPECT_EQ(app.state().InstallDir, install.dir());
    EXPECT_EQ(app.settings().SaveClose, 2);
    EXPECT_EQ(app.settings().Browser, 51);
    EXPECT_EQ(app.settings().Color[4], 0x00FFFFFFu);
    EXPECT_EQ(app.settings().TagData, std::string(255, 'x'));
    EXPECT_EQ(app.recentFiles().entries(), std::vector<std::string>{"/b.html"});
    EXPECT_EQ(app.recentProjects().entries(), std::vector<std::string>{"/site.prj"});
    EXPECT_EQ(app.startupAction().kind, CommandLineAction::OpenFile);
    EXPECT_EQ(app.startupAction().path, "/home/ann/my page.html");
    EXPECT_TRUE(app.fakes->messages.contains("Failed to open file"));
    EXPECT_TRUE(app.mainWindow()->mdiArea()->subWindowList().isEmpty());
}

namespace {

// Data files whose one tag and default template say where they were read
// from.
void writeTagData(const TempDir& dir, const std::string& folder, const std::string& tag) {
    dir.write(folder + "/Data/Tags.txt", tag + "\n{\n}\n");
    dir.write(folder + "/Data/Colors.txt", "red\n");
    dir.write(folder + "/templates/default.htm", tag);
}

struct DataCase {
    const char* name;
    bool dataBesideTheProgram;
    bool absoluteTagData;
    const char* knownTag; // "" when no tag data is loaded
    const char* templateText;
};

// The program lives in <root>/bin; its data, when there is any, in
// <root>/bin/data. The current directory holds a Data/ of its own that must
// never be read, and <root>/mine/Data/Tags.txt is a tag file named by an
// absolute path.
void PrintTo(const DataCase& row, std::ostream* out) {
    *out << row.name;
}

class FindingTheEditorData : public ::testing::TestWithParam<DataCase> {
protected:
    void SetUp() override {
        writeTagData(current, ".", "CURRENT");
        writeTagData(root, "mine", "ABSOLUTE");
        if (GetParam().dataBesideTheProgram) {
            writeTagData(root, "bin/data", "BESIDE");
        }
        previous = std::filesystem::current_path();
        std::filesystem::current_path(current.path());
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    TempDir root;
    TempDir current;
    TempDir config;
    std::filesystem::path previous;
};

} // namespace

TEST_P(FindingTheEditorData, OnlyBesideTheProgramAndAbsolutePathsStayAbsolute) {
    const DataCase& row = GetParam();
    if (row.absoluteTagData) {
        reopen(config).setValue("Options/TagData",
                                QString::fromStdString(root.path("mine/Data/Tags.txt")));
    }
    TestApp app(settingsFile(config));
    app.setExecutablePath(QString::fromStdString(root.path("bin/tagwright")));
    app.InitInstance({"app"}); // a new document from the default template

    for (const char* tag : {"CURRENT", "BESIDE", "ABSOLUTE"}) {
        EXPECT_EQ(app.tagData().findUpperTag(tag) != nullptr, std::string(tag) == row.knownTag)
            << tag;
    }
    const QList<QMdiSubWindow*> documents = app.mainWindow()->mdiArea()->subWindowList();
    ASSERT_EQ(documents.size(), 1);
    auto* document = qobject_cast<CChildWin*>(documents[0]->widget());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->editor().model().text(), row.templateText);
    QSettings stored = reopen(config);
    if (row.dataBesideTheProgram) {
        EXPECT_TRUE(app.fakes->messages.isEmpty()) << app.fakes->messages.join("\n").toStdString();
        EXPECT_EQ(stored.value("Main/InstallDir").toString().toStdString(),
                  root.path("bin/data") + "/");
        return;
    }
    ASSERT_EQ(app.fakes->messages.size(), 1);
    const std::string lookedIn = root.path("share/tagwright") + "/, " + root.path("bin/data") + "/";
    EXPECT_EQ(app.fakes->messages[0].toStdString(),
              "The data folder was not found; looked in: " + lookedIn);
    EXPECT_FALSE(stored.contains("Main/InstallDir"));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FindingTheEditorData,
    ::testing::Values(DataCase{"BesideTheProgram", true, false, "BESIDE", "BESIDE"},
                      DataCase{"AbsoluteTagData", true, true, "ABSOLUTE", "BESIDE"},
                      DataCase{"Nowhere", false, false, "", ""}),
    CaseName());

namespace {

struct UnwritableCase {
    const char* name;
    // What stands where the settings file or its folder should be.
    void (*block)(const TempDir& dir);
    const char* file; // the settings file, relative to dir
};

void PrintTo(const UnwritableCase& row, std::ostream* out) {
    *out << row.name;
}

class UnwritableSettings : public ::testing::TestWithParam<UnwritableCase> {};

} // namespace

TEST_P(UnwritableSettings, AreReportedOnceWhenSaved) {
    TempDir dir;
    GetParam().block(dir);
    TestApp app(dir.path(GetParam().file));
    app.startFrom(TAGWRIGHT_BUILD_DATA_DIR "/");
    app.fakes->messages.clear();

    app.SaveSettings();
    ASSERT_EQ(app.fakes->messages.size(), 1);
    EXPECT_TRUE(app.fakes->messages[0].startsWith("The settings could not be saved to "))
        << app.fakes->messages[0].toStdString();
    EXPECT_TRUE(app.fakes->messages[0].contains(QString::fromStdString(dir.path(GetParam().file))));
    app.settings().SaveClose = 0;
    ASSERT_TRUE(app.mainWindow()->close());
    EXPECT_EQ(app.fakes->messages.size(), 1) << "the warning is given once";
}

INSTANTIATE_TEST_SUITE_P(Places, UnwritableSettings,
                         ::testing::Values(UnwritableCase{"AFolderInPlaceOfTheFile",
                                                          [](const TempDir& dir) {
                                                              std::filesystem::create_directories(
                                                                  dir.path() / "Tagwright.conf");
                                                          },
                                                          "Tagwright.conf"},
                                           UnwritableCase{"AFileInPlaceOfTheFolder",
                                                          [](const TempDir& dir) {
                                                              dir.write("Quillmark",
                                                                        "not a folder");
                                                          },
                                                          "Quillmark/Tagwright.conf"}),
                         CaseName());

TEST(EditorApp, WritableSettingsSaveWithoutAWord) {
    TempDir config;
    TestApp app(settingsFile(config));
    app.startFrom(TAGWRIGHT_BUILD_DATA_DIR "/");
    app.SaveSettings();
    EXPECT_TRUE(app.fakes->messages.isEmpty()) << app.fakes->messages.join("\n").toStdString();
    EXPECT_TRUE(reopen(config).contains("Options/SaveClose"));
}

TEST(EditorApp, UnreadableTagDataIsReportedWithEachFileAndItsReason) {
    TempDir config;
    TempDir install;
    install.write("Data/Colors.txt", "");
    std::filesystem::create_directories(install.path("Data/Folder.txt"));
    reopen(config).setValue("Options/TagData", "Data/Folder.txt");
    TestApp app(settingsFile(config));
    app.startFrom(install.dir());

    ASSERT_EQ(app.fakes->messages.size(), 1);
    EXPECT_TRUE(app.fakes->messages[0].startsWith("These data files could not be read:"));
    ASSERT_EQ(app.fakes->details.size(), 1);
    EXPECT_TRUE(
        app.fakes->details[0].contains(QString::fromStdString(install.path("Data/Folder.txt"))));
    EXPECT_TRUE(app.fakes->details[0].contains("directory") ||
                app.fakes->details[0].contains("regular file"))
        << app.fakes->details[0].toStdString();
}
