#include "app/qt/CNewFileDlg.h"

#include "FakeServices.h"
#include "TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

QString templatesIn(const TempDir& dir) {
    dir.write("templates/article.htm", "<P>");
    dir.write("templates/default.htm", "<HTML>");
    dir.write("templates/sub/ignored.htm", "x");
    return QString::fromStdString(dir.path("templates") + "/");
}

} // namespace

TEST(NewFileDialog, ListsTheTemplateFilesAndPreselectsTheDefault) {
    TempDir dir;
    FakeServices services;
    CNewFileDlg dialog(templatesIn(dir), "DEFAULT", false, services);
    QComboBox* list = dialog.templateList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), "default.htm");
    EXPECT_FALSE(dialog.fromScratchButton()->isChecked());
    EXPECT_FALSE(dialog.addToProjectBox()->isEnabled());
    EXPECT_FALSE(dialog.fileNameEdit()->isEnabled());
}

TEST(NewFileDialog, AddToProjectNeedsAFilename) {
    TempDir dir;
    FakeServices services;
    CNewFileDlg dialog(templatesIn(dir), "default.htm", true, services);
    EXPECT_TRUE(dialog.addToProjectBox()->isChecked());
    EXPECT_TRUE(dialog.fileNameEdit()->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_EQ(services.messages[0],
              "You must specify a filename if you want to add it to the current project");

    dialog.addToProjectBox()->setChecked(false);
    EXPECT_FALSE(dialog.fileNameEdit()->isEnabled());
    dialog.addToProjectBox()->setChecked(true);
    dialog.fileNameEdit()->setText("news/today.html");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const NewFileChoice choice = dialog.choice();
    EXPECT_TRUE(choice.fromTemplate);
    EXPECT_EQ(choice.templateName, "default.htm");
    EXPECT_TRUE(choice.addToProject);
    EXPECT_EQ(choice.fileName, "news/today.html");
}

TEST(NewFileDialog, NoTemplateFolderListsNothingFromTheCurrentDirectory) {
    TempDir dir;
    dir.write("page.htm", "<P>");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    FakeServices services;
    CNewFileDlg dialog(QString(), "page.htm", false, services);
    std::filesystem::current_path(previous);
    EXPECT_EQ(dialog.templateList()->count(), 0);
}
