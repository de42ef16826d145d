#include "app/qt/ProjectCommands.h"

#include "AppFixture.h"
#include "app/CommandIds.h"
#include "app/qt/CErrorWin.h"
#include "app/qt/CNewFileDlg.h"
#include "project/qt/CAddFilesDlg.h"
#include "project/qt/CNewProjectDlg.h"
#include "project/qt/CProjectSettingsDlg.h"
#include "project/qt/CTreeViewFile.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <sys/stat.h>

namespace {

// A site in a folder whose name has blanks and non-ASCII letters, with a
// project file that still names the folder it was made in.
std::string siteProject(const TempDir& dir) {
    dir.write("my site ä/index.html", "<P>home</P>\r\n");
    dir.write("my site ä/products/bread.html", "<P>bread</P>\r\n");
    dir.write("my site ä/style.css", "P { }\r\n");
    dir.write("my site ä/site.prj", "NAME: Bakery\r\nPATH: C:\\old\\site.prj\r\n"
                                    "SAVEPASSWORD: NO\r\nAUTOUPDATE: NO\r\n{\r\n"
                                    "index.html\r\nstyle.css\r\nproducts\\bread.html\r\n"
                                    "missing.html\r\nindex.html\r\n}\r\n");
    return dir.path("my site ä/site.prj");
}

QStringList childTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) {
        texts << item->child(i)->text(0);
    }
    return texts;
}

} // namespace

class ProjectCommandsTest : public AppFixture {
protected:
    ProjectCommands& projects() { return window()->projects(); }
    CTreeViewFile* tree() { return window()->fileTree(); }
    CProject* project() { return projects().project(); }
    bool enabled(int id) { return refreshed(id)->isEnabled(); }
    CErrorWin* newestLog() {
        CErrorWin* log = nullptr;
        for (const auto& [child, kind] : window()->windowList()) {
            if (auto* found = qobject_cast<CErrorWin*>(child)) {
                log = found;
            }
        }
        return log;
    }
};

TEST_F(ProjectCommandsTest, ProjectCommandsNeedAProjectNewAndOpenNever) {
    const int needProject[] = {Cmd::CloseProject, Cmd::AddFiles, Cmd::ProjectSettings,
                               Cmd::CheckProject};
    for (int id : needProject) {
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_TRUE(enabled(Cmd::NewProject));
    EXPECT_TRUE(enabled(Cmd::OpenProject));
    ASSERT_TRUE(projects().openProject(siteProject(files_)));
    for (int id : needProject) {
        EXPECT_TRUE(enabled(id)) << id;
    }
    EXPECT_TRUE(enabled(Cmd::NewProject));
    EXPECT_TRUE(commands().execute(Cmd::CloseProject));
    EXPECT_EQ(project(), nullptr);
    EXPECT_FALSE(enabled(Cmd::CloseProject));
}

TEST_F(ProjectCommandsTest, TheTreeShowsTheProjectAndFilesAsSiblings) {
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    ASSERT_TRUE(projects().openProject(siteProject(files_)));
    ASSERT_EQ(tree()->topLevelItemCount(), 2);
    EXPECT_EQ(tree()->projectItem()->text(0), "Project: Bakery");
    EXPECT_EQ(tree()->projectItem()->childCount(), 0);
    EXPECT_EQ(tree()->filesItem()->text(0), "Files");
    EXPECT_TRUE(tree()->filesItem()->isExpanded());
    EXPECT_EQ(childTexts(tree()->filesItem()),
              (QStringList{"index.html", "style.css", "products/bread.html", "missing.html",
                           "index.html"}));
}

// The project lives where its file was found, not where "PATH:" says.
TEST_F(ProjectCommandsTest, FilesOpenFromTheFolderTheProjectWasLoadedFrom) {
    const std::string prj = siteProject(files_);
    ASSERT_TRUE(projects().openProject(prj));
    EXPECT_EQ(project()->Path, prj);
    QTreeWidgetItem* bread = tree()->filesItem()->child(2);
    const QPoint point = tree()->visualItemRect(bread).center();
    // Qt's double click needs the press of a first click on the same item.
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, point);
    settle();
    ASSERT_NE(window()->activeDocument(), nullptr);
    EXPECT_EQ(window()->activeDocument()->path(), files_.path("my site ä/products/bread.html"));
    EXPECT_TRUE(project()->Files[2].Open);

    tree()->setFocus();
    tree()->setCurrentItem(tree()->filesItem()->child(3));
    QTest::keyClick(tree(), Qt::Key_Return);
    settle();
    EXPECT_EQ(services_->messages, QStringList{"Failed to open file"});
}

struct MenuCase {
    const char* name;
    int item; // -2 the project item, -1 "Files", else a file's row
    bool open, check;
};

TEST_F(ProjectCommandsTest, TheContextMenuFollowsTheClickedItem) {
    ASSERT_TRUE(projects().openProject(siteProject(files_)));
    const MenuCase cases[] = {
        {"project", -2, false, false},
        {"Files", -1, false, false},
        {"index.html", 0, true, true},
        {"style.css", 1, true, false},
    };
    for (const MenuCase& c : cases) {
        QTreeWidgetItem* item = c.item == -2   ? tree()->projectItem()
                                : c.item == -1 ? tree()->filesItem()
                                               : tree()->filesItem()->child(c.item);
        tree()->contextMenuFor(item);
        EXPECT_EQ(tree()->currentItem(), item) << c.name;
        EXPECT_TRUE(tree()->menuAction(CTreeViewFile::AddFiles)->isEnabled()) << c.name;
        EXPECT_EQ(tree()->menuAction(CTreeViewFile::OpenFile)->isEnabled(), c.open) << c.name;
        EXPECT_EQ(tree()->menuAction(CTreeViewFile::RemoveFile)->isEnabled(), c.open) << c.name;
        EXPECT_EQ(tree()->menuAction(CTreeViewFile::CheckFile)->isEnabled(), c.check) << c.name;
        EXPECT_EQ(tree()->menuAction(CTreeViewFile::OpenInBrowser)->isEnabled(), c.check) << c.name;
    }
}

TEST_F(ProjectCommandsTest, RemoveFileTakesExactlyTheClickedEntryOfATwiceListedName) {
    ASSERT_TRUE(projects().openProject(siteProject(files_)));
    tree()->contextMenuFor(tree()->filesItem()->child(4)); // the second "index.html"
    tree()->menuAction(CTreeViewFile::RemoveFile)->trigger();
    EXPECT_EQ(childTexts(tree()->filesItem()),
              (QStringList{"index.html", "style.css", "products/bread.html", "missing.html"}));
    ASSERT_EQ(project()->Files.size(), 4u);

    // Delete asks first; No keeps the file.
    tree()->setFocus();
    tree()->setCurrentItem(tree()->filesItem()->child(1));
    QTest::keyClick(tree(), Qt::Key_Delete);
    EXPECT_EQ(project()->Files.size(), 4u);
    services_->yesNoAnswers.push_back(true);
    QTest::keyClick(tree(), Qt::Key_Delete);
    EXPECT_EQ(childTexts(tree()->filesItem()),
              (QStringList{"index.html", "products/bread.html", "missing.html"}));
    EXPECT_EQ(services_->questions.size(), 2);
}

TEST_F(ProjectCommandsTest, CheckProjectAndCheckFileCheckOnlyHtmlFiles) {
    const std::string prj = siteProject(files_);
    ASSERT_TRUE(projects().openProject(prj));
    QTest::keyClick(window(), Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    settle();
    CErrorWin* log = newestLog();
    ASSERT_NE(log, nullptr);
    const std::string folder = files_.path("my site ä") + "/";
    EXPECT_EQ(log->files(),
              (std::vector<std::string>{folder + "index.html", folder + "products/bread.html",
                                        folder + "missing.html", folder + "index.html"}));

    tree()->contextMenuFor(tree()->filesItem()->child(2));
    tree()->menuAction(CTreeViewFile::CheckFile)->trigger();
    settle();
    ASSERT_NE(newestLog(), log);
    EXPECT_EQ(newestLog()->files(), std::vector<std::string>{folder + "products/bread.html"});
}

TEST_F(ProjectCommandsTest, ClosingSavesTheProjectWhereItWasLoaded) {
    const std::string prj = siteProject(files_);
    ASSERT_TRUE(projects().openProject(prj));
    tree()->contextMenuFor(tree()->filesItem()->child(4));
    tree()->menuAction(CTreeViewFile::RemoveFile)->trigger();
    ASSERT_TRUE(commands().execute(Cmd::CloseProject));
    EXPECT_EQ(TempDir::readFile(prj),
              "NAME: Bakery\r\nPATH: " + prj +
                  "\r\nFTPSERVER: \r\nSERVERPATH: \r\nLOGIN: \r\nSAVEPASSWORD: NO\r\n"
                  "AUTOUPDATE: NO\r\n{\r\nindex.html\r\nstyle.css\r\nproducts\\bread.html\r\n"
                  "missing.html\r\n}\r\n");
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
}

TEST_F(ProjectCommandsTest, AReadOnlyProjectFileIsReportedAndKeptOpenOnRequest) {
    const std::string prj = siteProject(files_);
    ASSERT_TRUE(projects().openProject(prj));
    project()->Name = "Changed";
    ::chmod(prj.c_str(), 0444);
    EXPECT_FALSE(projects().closeProject()); // No: keep it
    ASSERT_EQ(services_->questions.size(), 1);
    EXPECT_TRUE(services_->questions[0].startsWith("Failed to save the project."));
    EXPECT_TRUE(services_->questions[0].contains(QString::fromStdString(prj)));
    ASSERT_NE(project(), nullptr);
    EXPECT_EQ(project()->Name, "Changed");
    services_->yesNoAnswers.push_back(true);
    EXPECT_TRUE(projects().closeProject());
    EXPECT_EQ(project(), nullptr);
}

// Decision: a project opened while another is current saves the other first.
TEST_F(ProjectCommandsTest, OpeningASecondProjectSavesTheFirst) {
    const std::string first = siteProject(files_);
    files_.write("other/b.prj", "NAME: Other\r\n");
    ASSERT_TRUE(projects().openProject(first));
    project()->Name = "Renamed";
    ASSERT_TRUE(projects().openProject(files_.path("other/b.prj")));
    EXPECT_EQ(project()->Name, "Other");
    EXPECT_EQ(TempDir::readFile(first).rfind("NAME: Renamed\r\n", 0), 0u);
    EXPECT_EQ(app_.recentProjects().entries(),
              (std::vector<std::string>{files_.path("other/b.prj"), first}));
}

TEST_F(ProjectCommandsTest, AnUnreadableProjectSaysIoErrorAndLeavesNone) {
    EXPECT_FALSE(projects().openProject(files_.path("none.prj")));
    EXPECT_EQ(services_->messages, QStringList{"I/O Error"});
    EXPECT_TRUE(services_->details[0].contains(QString::fromStdString(files_.path("none.prj"))));
    EXPECT_EQ(project(), nullptr);
    EXPECT_FALSE(enabled(Cmd::CloseProject));
}

TEST_F(ProjectCommandsTest, RecentProjectsKeepTheirOrderOnReopen) {
    std::vector<std::string> paths;
    for (int i = 0; i < 6; ++i) {
        paths.push_back(files_.write("p" + std::to_string(i) + ".prj", "NAME: p\r\n").string());
        ASSERT_TRUE(projects().openProject(paths.back()));
    }
    const std::vector<std::string> expected = {paths[5], paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(app_.recentProjects().entries(), expected);
    EXPECT_EQ(refreshed(Cmd::RecentProject0 + 2)->text(), QString::fromStdString(paths[3]));
    EXPECT_TRUE(commands().execute(Cmd::RecentProject0 + 2));
    EXPECT_EQ(project()->Path, paths[3]);
    EXPECT_EQ(app_.recentProjects().entries(), expected);
}

TEST_F(ProjectCommandsTest, NewProjectCancelLeavesNoProjectAndOkSavesIt) {
    whenDialogShows([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_TRUE(commands().execute(Cmd::NewProject));
    EXPECT_EQ(project(), nullptr);
    EXPECT_FALSE(enabled(Cmd::AddFiles));

    const std::string prj = files_.path("new site/n.prj");
    std::filesystem::create_directories(files_.path("new site"));
    whenDialogShows([prj](QWidget* widget) {
        auto* dialog = qobject_cast<CNewProjectDlg*>(widget);
        dialog->nameEdit()->setText("Fresh");
        dialog->pathEdit()->setText(QString::fromStdString(prj));
        dialog->accept();
    });
    EXPECT_TRUE(commands().execute(Cmd::NewProject));
    ASSERT_NE(project(), nullptr);
    EXPECT_EQ(tree()->projectItem()->text(0), "Project: Fresh");
    EXPECT_EQ(TempDir::readFile(prj).rfind("NAME: Fresh\r\nPATH: " + prj + "\r\n", 0), 0u);
    EXPECT_EQ(app_.recentProjects().entries().front(), prj);
}

TEST_F(ProjectCommandsTest, ANewFileAddedToTheProjectIsSavedListedAndShown) {
    ASSERT_TRUE(projects().openProject(siteProject(files_)));
    whenDialogShows([](QWidget* widget) {
        auto* dialog = qobject_cast<CNewFileDlg*>(widget);
        dialog->fromScratchButton()->setChecked(true);
        EXPECT_TRUE(dialog->addToProjectBox()->isChecked());
        dialog->fileNameEdit()->setText("today.html");
        dialog->accept();
    });
    EXPECT_TRUE(commands().execute(Cmd::FileNew));
    settle();
    const std::string page = files_.path("my site ä/today.html");
    EXPECT_TRUE(std::filesystem::exists(page));
    EXPECT_EQ(project()->Files.back().RelPath, "today.html");
    EXPECT_EQ(childTexts(tree()->filesItem()).back(), "today.html");
}

// Cancels the next modal dialog that is on the screen; one that is closing
// already is waited out.
void rejectWhenShown() {
    whenDialogShows([](QWidget* widget) {
        if (!widget->isVisible()) {
            rejectWhenShown();
            return;
        }
        qobject_cast<QDialog*>(widget)->reject();
    });
}

// Answers the New File dialog with a file of the project, from scratch;
// with showsAgain, the dialog that shows again is cancelled.
void whenNewFileDialogShows(const QString& name, bool showsAgain) {
    whenDialogShows([name, showsAgain](QWidget* widget) {
        auto* dialog = qobject_cast<CNewFileDlg*>(widget);
        dialog->fromScratchButton()->setChecked(true);
        dialog->fileNameEdit()->setText(name);
        dialog->accept();
        if (showsAgain) {
            rejectWhenShown();
        }
    });
}

// A page of the project is replaced only when the user says so, and it is
// not listed twice.
TEST_F(ProjectCommandsTest, ANewFileReplacesAnExistingPageOnlyWhenTheUserSaysSo) {
    ASSERT_TRUE(projects().openProject(siteProject(files_)));
    const std::string page = files_.path("my site ä/index.html");
    const std::size_t entries = project()->Files.size();
    whenNewFileDialogShows("index.html", true);
    EXPECT_TRUE(commands().execute(Cmd::FileNew));
    settle();
    ASSERT_EQ(services_->questions.size(), 1);
    EXPECT_TRUE(services_->questions[0].endsWith("already exists.\nDo you want to replace it?"));
    EXPECT_EQ(TempDir::readFile(page), "<P>home</P>\r\n");
    EXPECT_EQ(project()->Files.size(), entries);

    services_->yesNoAnswers.push_back(true);
    whenNewFileDialogShows("index.html", false);
    EXPECT_TRUE(commands().execute(Cmd::FileNew));
    settle();
    EXPECT_EQ(TempDir::readFile(page), "");
    EXPECT_EQ(project()->Files.size(), entries);
}

// A file that cannot be written says so and does not join the project.
TEST_F(ProjectCommandsTest, ANewFileThatCannotBeWrittenIsNotListed) {
    ASSERT_TRUE(projects().openProject(siteProject(files_)));
    const std::size_t entries = project()->Files.size();
    whenNewFileDialogShows("no such folder/new.html", false);
    EXPECT_TRUE(commands().execute(Cmd::FileNew));
    settle();
    EXPECT_EQ(services_->messages, QStringList{"Failed to save file."});
    EXPECT_EQ(project()->Files.size(), entries);
    ASSERT_NE(window()->activeDocument(), nullptr);
    EXPECT_TRUE(window()->activeDocument()->path().empty());
}

struct CommandLineCase {
    const char* name;
    QStringList arguments; // "{prj}" and "{page}" stand for the files
    bool projectOpen;
    bool pageOpen;
};

// "tagwright site.prj" opens the project; a page still opens as a document;
// a project and a page open both.
TEST(ProjectCommandLine, AProjectFileOpensAsTheProject) {
    const CommandLineCase cases[] = {
        {"project", {"{prj}"}, true, false},
        {"page", {"{page}"}, false, true},
        {"both", {"{prj}", "{page}"}, true, true},
    };
    for (const CommandLineCase& c : cases) {
        TempDir config;
        TempDir files;
        const std::string prj = siteProject(files);
        const std::string page = files.path("my site ä/index.html");
        QStringList arguments;
        for (QString argument : c.arguments) {
            arguments << argument.replace("{prj}", QString::fromStdString(prj))
                             .replace("{page}", QString::fromStdString(page));
        }
        CEditorApp app(std::make_unique<QSettings>(QString::fromStdString(config.path("t.conf")),
                                                   QSettings::IniFormat));
        app.setFoundInstallDir(QString::fromStdString(TAGWRIGHT_BUILD_DATA_DIR "/"));
        app.setServices(std::make_unique<FakeServices>());
        app.setRecoveryRoot(QString::fromStdString(config.path("recovery")));
        app.InitInstance(arguments);
        const CProject* project = app.mainWindow()->projects().project();
        EXPECT_EQ(project != nullptr, c.projectOpen) << c.name;
        if (project != nullptr) {
            EXPECT_EQ(project->Path, prj) << c.name;
        }
        const CChildWin* document = app.mainWindow()->activeDocument();
        EXPECT_EQ(document != nullptr, c.pageOpen) << c.name;
        if (document != nullptr) {
            EXPECT_EQ(document->path(), page) << c.name;
        }
    }
}

TEST_F(ProjectCommandsTest, ClosingTheMainWindowSavesTheProjectOrStaysWhenTheUserKeepsIt) {
    const std::string prj = siteProject(files_);
    ASSERT_TRUE(projects().openProject(prj));
    project()->Name = "Kept";
    ::chmod(prj.c_str(), 0444);
    EXPECT_FALSE(window()->close()); // the save fails; No keeps the window
    ASSERT_NE(project(), nullptr);
    ::chmod(prj.c_str(), 0644);
    EXPECT_TRUE(window()->close());
    EXPECT_EQ(project(), nullptr);
    EXPECT_EQ(TempDir::readFile(prj).rfind("NAME: Kept\r\n", 0), 0u);
}

// The dialogs edit the project in place; the tree shows what they did.
TEST_F(ProjectCommandsTest, AddFilesAndSettingsFromTheMenuRebuildTheTreeAndSave) {
    const std::string prj = siteProject(files_);
    ASSERT_TRUE(projects().openProject(prj));
    whenDialogShows([](QWidget* widget) {
        auto* dialog = qobject_cast<CAddFilesDlg*>(widget);
        dialog->fileEdit()->setText("about.html");
        QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(commands().execute(Cmd::AddFiles));
    EXPECT_EQ(childTexts(tree()->filesItem()).back(), "about.html");
    EXPECT_NE(TempDir::readFile(prj).find("\r\nabout.html\r\n}"), std::string::npos);

    whenDialogShows([](QWidget* widget) {
        auto* dialog = qobject_cast<CProjectSettingsDlg*>(widget);
        dialog->nameEdit()->setText("Renamed Bakery");
        dialog->accept();
    });
    EXPECT_TRUE(commands().execute(Cmd::ProjectSettings));
    EXPECT_EQ(tree()->projectItem()->text(0), "Project: Renamed Bakery");
    EXPECT_EQ(TempDir::readFile(prj).rfind("NAME: Renamed Bakery\r\n", 0), 0u);
}

// A right click on an item makes it current and pops the menu up under it.
TEST_F(ProjectCommandsTest, ARightClickOpensTheMenuForTheClickedItem) {
    ASSERT_TRUE(projects().openProject(siteProject(files_)));
    QTreeWidgetItem* css = tree()->filesItem()->child(1);
    const QPoint point = tree()->visualItemRect(css).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, point,
                            tree()->viewport()->mapToGlobal(point));
    QApplication::sendEvent(tree()->viewport(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(tree()->currentItem(), css);
    EXPECT_TRUE(tree()->menuAction(CTreeViewFile::RemoveFile)->isEnabled());
    EXPECT_FALSE(tree()->menuAction(CTreeViewFile::CheckFile)->isEnabled());
    EXPECT_GE(menu->pos().y(), tree()->viewport()->mapToGlobal(QPoint(0, point.y())).y());
    menu->close();
}
