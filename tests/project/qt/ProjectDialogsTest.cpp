#include "app/qt/FakeServices.h"
#include "project/CProject.h"
#include "project/qt/CAddFilesDlg.h"
#include "project/qt/CNewProjectDlg.h"
#include "project/qt/CProjectSettingsDlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

CProject projectAt(const std::string& path) {
    CProject project;
    project.Path = path;
    return project;
}

std::vector<std::string> relPaths(const CProject& project) {
    std::vector<std::string> paths;
    for (const CProjectEntry& entry : project.Files) {
        paths.push_back(entry.RelPath);
    }
    return paths;
}

QStringList listed(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

TEST(AddFilesDialog, ManyChosenFilesAreAddedTogetherThenATypedNameAlone) {
    CProject project = projectAt("/site/site.prj");
    FakeServices services;
    services.openNameLists.push_back({"/site/pics/a.gif", "/site/pics/b.gif", "/site/pics/c.gif"});
    int saves = 0;
    CAddFilesDlg dialog(project, services, [&saves] { ++saves; });

    click(dialog.browseButton());
    EXPECT_EQ(dialog.fileEdit()->text(), "3 files from '/site/pics/'");
    EXPECT_TRUE(dialog.multiMode());
    click(dialog.addButton());
    EXPECT_EQ(relPaths(project),
              (std::vector<std::string>{"pics/a.gif", "pics/b.gif", "pics/c.gif"}));
    EXPECT_TRUE(dialog.fileEdit()->text().isEmpty());
    EXPECT_FALSE(dialog.multiMode());

    QTest::keyClicks(dialog.fileEdit(), "index.html");
    click(dialog.addButton());
    EXPECT_EQ(project.Files.size(), 4u);
    EXPECT_EQ(project.Files.back().RelPath, "index.html");
    EXPECT_EQ(listed(dialog.fileList()),
              (QStringList{"index.html", "pics/a.gif", "pics/b.gif", "pics/c.gif"}));
    EXPECT_EQ(saves, 0);
    click(dialog.closeButton());
    EXPECT_EQ(saves, 1);
}

// Editing the text after choosing many files means the text, not the files.
TEST(AddFilesDialog, ChangingTheTextLeavesMultiMode) {
    CProject project = projectAt("/site/site.prj");
    FakeServices services;
    services.openNameLists.push_back({"/site/a.html", "/site/b.html"});
    CAddFilesDlg dialog(project, services, {});
    click(dialog.browseButton());
    ASSERT_TRUE(dialog.multiMode());
    dialog.fileEdit()->setText("c.html");
    EXPECT_FALSE(dialog.multiMode());
    click(dialog.addButton());
    EXPECT_EQ(relPaths(project), (std::vector<std::string>{"c.html"}));
}

TEST(AddFilesDialog, OneChosenFileIsShownByItsFullPath) {
    CProject project = projectAt("/site/site.prj");
    FakeServices services;
    services.openNameLists.push_back({"/shared/style.css"});
    CAddFilesDlg dialog(project, services, {});
    click(dialog.browseButton());
    EXPECT_EQ(dialog.fileEdit()->text(), "/shared/style.css");
    EXPECT_FALSE(dialog.multiMode());
    click(dialog.addButton());
    EXPECT_EQ(relPaths(project), (std::vector<std::string>{"../shared/style.css"}));
}

TEST(AddFilesDialog, AnEmptyNameIsRefusedAndATwiceAddedNameRemovedWhole) {
    CProject project = projectAt("/site/site.prj");
    FakeServices services;
    CAddFilesDlg dialog(project, services, {});
    click(dialog.addButton());
    EXPECT_EQ(services.messages, QStringList{"You must specify a filename"});
    EXPECT_TRUE(project.Files.empty());

    for (const char* name : {"a.html", "b.html", "a.html"}) {
        dialog.fileEdit()->setText(name);
        click(dialog.addButton());
    }
    ASSERT_EQ(project.Files.size(), 3u);
    dialog.fileList()->setCurrentRow(0); // sorted: the first "a.html"
    click(dialog.removeButton());
    EXPECT_EQ(relPaths(project), (std::vector<std::string>{"b.html"}));
    EXPECT_EQ(listed(dialog.fileList()), QStringList{"b.html"});
}

TEST(NewProjectDialog, NeedsANameThenAPathAndSavesOnOk) {
    CProject project;
    FakeServices services;
    int saves = 0;
    CNewProjectDlg dialog(project, services, [&saves] { return ++saves > 0; });
    dialog.accept();
    dialog.nameEdit()->setText("Bakery");
    dialog.accept();
    EXPECT_EQ(services.messages,
              (QStringList{"You must specify a name", "You must specify a path"}));
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    services.saveNames.push_back("/tmp/my site/site.prj");
    click(dialog.browseButton());
    EXPECT_EQ(dialog.pathEdit()->text(), "/tmp/my site/site.prj");
    dialog.accept();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(project.Name, "Bakery");
    EXPECT_EQ(project.Path, "/tmp/my site/site.prj");
}

// The dialog stays open and forgets the path it could not write: the files
// dialog saves nothing there, and the next path typed is the one saved.
TEST(NewProjectDialog, AFailedSaveKeepsTheDialogOpenWithoutThatPath) {
    CProject project;
    FakeServices services;
    std::vector<std::string> savedTo;
    CNewProjectDlg dialog(project, services, [&] {
        savedTo.push_back(project.Path);
        return project.Path != "/no/such/folder/x.prj";
    });
    dialog.nameEdit()->setText("x");
    dialog.pathEdit()->setText("/no/such/folder/x.prj");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(project.Path.empty());
    dialog.pathEdit()->setText("/tmp/x.prj");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(savedTo, (std::vector<std::string>{"/no/such/folder/x.prj", "/tmp/x.prj"}));
}

TEST(ProjectSettingsDialog, OkWritesEveryFieldBackAndCancelNothing) {
    CProject project;
    project.Name = "Old";
    project.Password = "pw";
    int saves = 0;
    {
        CProjectSettingsDlg dialog(project, [&saves] { ++saves; });
        EXPECT_EQ(dialog.nameEdit()->text(), "Old");
        EXPECT_EQ(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
        dialog.nameEdit()->setText("New");
        dialog.reject();
    }
    EXPECT_EQ(project.Name, "Old");
    EXPECT_EQ(saves, 0);
    CProjectSettingsDlg dialog(project, [&saves] { ++saves; });
    dialog.nameEdit()->setText("New");
    dialog.passwordEdit()->setText("secret");
    dialog.savePasswordBox()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(project.Name, "New");
    EXPECT_EQ(project.Password, "secret");
    EXPECT_TRUE(project.SavePassword);
    EXPECT_EQ(saves, 1);
}
