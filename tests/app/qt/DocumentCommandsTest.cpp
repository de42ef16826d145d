#include "app/qt/DocumentCommands.h"

#include "AppFixture.h"
#include "app/CommandIds.h"

#include <QToolBar>
#include <QToolButton>

namespace fs = std::filesystem;

namespace {

class DocumentCommandsTest : public AppFixture {
protected:
    // Two modified documents on files, for the main window's close handling.
    void openTwoModified() {
        first_ = open(files_.write("one.html", "<p>one</p>\n"));
        second_ = open(files_.write("two.html", "<p>two</p>\n"));
        ASSERT_NE(first_, nullptr);
        ASSERT_NE(second_, nullptr);
        type(first_, "1");
        type(second_, "2");
        ASSERT_TRUE(modified(first_));
        ASSERT_TRUE(modified(second_));
    }
    bool settingsWereSaved() { return storedSettings().contains("Options/SaveClose"); }

    CChildWin* first_ = nullptr;
    CChildWin* second_ = nullptr;
};

} // namespace

// --- opening ----------------------------------------------------------------

TEST_F(DocumentCommandsTest, OpeningAnOpenPathActivatesItsWindowAndKeepsItsEdits) {
    const fs::path a = files_.write("a.html", "<p>a</p>\n");
    CChildWin* first = open(a);
    ASSERT_NE(first, nullptr);
    type(first, "edit ");
    CChildWin* other = open(files_.write("b.html", "<p>b</p>\n"));
    ASSERT_EQ(window()->activeDocument(), other);

    EXPECT_EQ(open(a), first);
    EXPECT_EQ(window()->activeDocument(), first);
    EXPECT_EQ(windowCount(), 2);
    // Not reloaded: the unsaved edit is still there.
    EXPECT_EQ(text(first), "edit <p>a</p>\n");
    EXPECT_TRUE(modified(first));
    EXPECT_TRUE(services_->questions.isEmpty());
}

TEST_F(DocumentCommandsTest, PathsThatDifferOnlyInCaseOpenTwoWindows) {
    const fs::path upper = files_.write("Page.html", "upper\n");
    const fs::path lower = files_.write("page.html", "lower\n");
    CChildWin* first = open(upper);
    CChildWin* second = open(lower);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(windowCount(), 2);
    EXPECT_EQ(text(first), "upper\n");
    EXPECT_EQ(text(second), "lower\n");
    EXPECT_EQ(first->windowTitle().toStdString(), upper.string());
}

TEST_F(DocumentCommandsTest, AnImageGoesToTheDesktopAndToTheEditorWhenThatFails) {
    const std::string gif("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14);
    const fs::path image = files_.write("logo.gif", gif);

    EXPECT_EQ(open(image), nullptr);
    EXPECT_EQ(services_->shellOpened, QStringList{QString::fromStdString(image.string())});
    EXPECT_EQ(windowCount(), 0);
    EXPECT_FALSE(app_.recentFiles().contains(image.string()));

    services_->shellSucceeds = false;
    CChildWin* document = open(image);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(services_->shellOpened.size(), 2);
    EXPECT_EQ(document->path(), image.string());
    EXPECT_EQ(text(document), gif); // the byte 0 is kept
    EXPECT_TRUE(services_->messages.isEmpty());
}

TEST_F(DocumentCommandsTest, AnEditorExtensionNeverGoesToTheDesktop) {
    ASSERT_NE(open(files_.write("notes.txt", "plain\n")), nullptr);
    ASSERT_NE(open(files_.write("feed.XML", "<x/>\n")), nullptr);
    EXPECT_TRUE(services_->shellOpened.isEmpty());
}

TEST_F(DocumentCommandsTest, FilesThatCannotBeReadLeaveNoWindowBehind) {
    const fs::path tooLong = files_.write("big.html", std::string(TextModel::Capacity + 1, 'x'));
    const fs::path justFits = files_.write("full.html", std::string(TextModel::Capacity, 'x'));
    fs::create_directory(files_.path() / "folder.html");
    for (const fs::path& bad :
         {files_.path() / "gone.html", tooLong, files_.path() / "folder.html"}) {
        SCOPED_TRACE(bad.string());
        services_->messages.clear();
        EXPECT_EQ(open(bad), nullptr);
        EXPECT_EQ(services_->messages, QStringList{"Failed to open file"});
        EXPECT_EQ(windowCount(), 0);
        EXPECT_FALSE(app_.recentFiles().contains(bad.string()));
    }
    CChildWin* full = open(justFits);
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->editor().model().length(), TextModel::Capacity);
}

TEST_F(DocumentCommandsTest, FileOpenAsksForOneFile) {
    const fs::path page = files_.write("page.html", "<p>x</p>\n");
    services_->openNames.push_back("");
    QTest::keyClick(window(), Qt::Key_O, Qt::ControlModifier);
    settle();
    EXPECT_EQ(windowCount(), 0);

    services_->openNames.push_back(QString::fromStdString(page.string()));
    QTest::keyClick(window(), Qt::Key_O, Qt::ControlModifier);
    settle();
    ASSERT_NE(window()->activeDocument(), nullptr);
    EXPECT_EQ(window()->activeDocument()->path(), page.string());
}

// --- recent files -----------------------------------------------------------

TEST_F(DocumentCommandsTest, TheSixthPathDropsTheOldestAndReopeningMovesNothing) {
    std::vector<std::string> paths;
    for (int i = 1; i <= 6; ++i) {
        const std::string name = "page" + std::to_string(i) + ".html";
        paths.push_back(files_.write(name, "<p>" + name + "</p>\n").string());
    }
    for (std::size_t i = 0; i < 5; ++i) {
        ASSERT_NE(open(paths[i]), nullptr);
    }
    // Closing and opening page3 again is a reopen of a listed path.
    activate(documents().findDocument(paths[2]));
    ASSERT_TRUE(commands().execute(Cmd::FileClose));
    ASSERT_NE(open(paths[2]), nullptr);
    ASSERT_NE(open(paths[5]), nullptr);

    const std::vector<std::string> expected{paths[5], paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(app_.recentFiles().entries(), expected);
    for (int slot = 0; slot < 5; ++slot) {
        QAction* item = refreshed(Cmd::RecentFile0 + slot);
        EXPECT_TRUE(item->isEnabled());
        EXPECT_EQ(item->text().toStdString(), expected[static_cast<std::size_t>(slot)]);
    }
}

TEST_F(DocumentCommandsTest, AFileThatCannotBeOpenedIsReportedWithItsReason) {
    const fs::path large = files_.write("large.html", std::string(TextModel::Capacity + 1, 'x'));
    EXPECT_EQ(documents().OpenFile(large.string(), true), nullptr);
    EXPECT_EQ(documents().OpenFile(files_.path("gone.html"), true), nullptr);
    EXPECT_EQ(services_->messages, (QStringList{"Failed to open file", "Failed to open file"}));
    ASSERT_EQ(services_->details.size(), 2);
    EXPECT_TRUE(services_->details[0].startsWith(QString::fromStdString(large.string())));
    EXPECT_TRUE(services_->details[0].contains("1,048,574 bytes"));
    EXPECT_TRUE(services_->details[1].contains("No such file or directory"));
    EXPECT_EQ(windowCount(), 0);
}

TEST_F(DocumentCommandsTest, ARecentFileThatIsGoneIsReportedAndStaysListed) {
    const fs::path page = files_.write("old.html", "<p>old</p>\n");
    CChildWin* document = open(page);
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(commands().execute(Cmd::FileClose));
    ASSERT_EQ(windowCount(), 0);
    fs::remove(page);

    refreshed(Cmd::RecentFile0)->trigger();
    settle();
    EXPECT_EQ(services_->messages, QStringList{"Failed to open file"});
    EXPECT_EQ(windowCount(), 0);
    EXPECT_EQ(app_.recentFiles().entries(), std::vector<std::string>{page.string()});
    EXPECT_EQ(refreshed(Cmd::RecentFile0)->text().toStdString(), page.string());
}

// --- new documents ----------------------------------------------------------

TEST_F(DocumentCommandsTest, AMissingTemplateGivesAnEmptyDocument) {
    app_.state().DefaultTemplate = "no-such-template.htm";
    QTest::keyClick(window(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    settle();
    CChildWin* document = window()->activeDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(text(document), "");
    EXPECT_EQ(document->path(), "");
    EXPECT_EQ(document->windowTitle(), "Untitled");
    EXPECT_TRUE(services_->messages.isEmpty());
}

TEST_F(DocumentCommandsTest, TheDefaultTemplateFillsAnUntitledDocument) {
    // Colouring always runs on a template; with the upper-case switches off
    // (the fixture's default) it must leave every byte as it is in the file.
    const std::string templateFile =
        app_.state().InstallDir + app_.state().TemplateDir + "form.htm";
    app_.state().DefaultTemplate = "form.htm";
    CChildWin* document = documents().newFromDefaultTemplate();
    settle();
    ASSERT_NE(document, nullptr);
    std::string expected = TempDir::readFile(templateFile);
    std::erase(expected, '\r');
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(text(document), expected);
    EXPECT_EQ(document->path(), "");
    EXPECT_FALSE(modified(document));
    EXPECT_FALSE(app_.recentFiles().contains(templateFile));
}

// --- Save All ---------------------------------------------------------------

TEST_F(DocumentCommandsTest, SaveAllAsksForANameForEachUntitledDocument) {
    CChildWin* first = newUntitled();
    type(first, "first");
    CChildWin* second = newUntitled();
    type(second, "second");
    const std::string firstPath = files_.path("first.html");
    const std::string secondPath = files_.path("second.html");
    services_->saveNames = {QString::fromStdString(firstPath), QString::fromStdString(secondPath)};

    ASSERT_TRUE(refreshed(Cmd::FileSaveAll)->isEnabled());
    action(Cmd::FileSaveAll)->trigger();
    settle();
    EXPECT_EQ(services_->saveDialogs, 2);
    EXPECT_EQ(files_.read("first.html"), "first");
    EXPECT_EQ(files_.read("second.html"), "second");
    EXPECT_EQ(first->windowTitle().toStdString(), firstPath);
    EXPECT_EQ(second->windowTitle().toStdString(), secondPath);
    EXPECT_FALSE(modified(first));
    EXPECT_FALSE(modified(second));
    EXPECT_TRUE(app_.recentFiles().contains(firstPath));
    EXPECT_TRUE(services_->messages.isEmpty());
}

TEST_F(DocumentCommandsTest, SaveAllGoesOnPastACancelledDialogAndSavesCleanFilesToo) {
    CChildWin* untitled = newUntitled();
    type(untitled, "lost");
    const fs::path clean = files_.write("clean.html", "<p>clean</p>\n");
    ASSERT_NE(open(clean), nullptr);
    // Saved even though unchanged: another program's copy is replaced once
    // the user agrees to overwrite it.
    files_.write("clean.html", "other program\n");
    services_->saveNames = {""};
    services_->yesNoAnswers = {true};

    action(Cmd::FileSaveAll)->trigger();
    settle();
    EXPECT_EQ(services_->saveDialogs, 1);
    EXPECT_TRUE(modified(untitled));
    EXPECT_EQ(untitled->windowTitle(), "Untitled");
    EXPECT_EQ(files_.read("clean.html"), "<p>clean</p>\n");
    EXPECT_EQ(services_->questions,
              QStringList{"The file has been changed on disk by another program. Overwrite it?"});
    EXPECT_TRUE(services_->messages.isEmpty());
}

// --- closing the main window ------------------------------------------------

TEST_F(DocumentCommandsTest, CancelForTheFirstDocumentKeepsEverythingOpen) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseAsk;
    openTwoModified();
    services_->answers = {IPlatformServices::Answer::Cancel};

    EXPECT_FALSE(window()->close());
    EXPECT_EQ(services_->questions,
              QStringList{"Do you want to save your document before closing?"});
    EXPECT_EQ(windowCount(), 2);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(modified(first_));
    EXPECT_FALSE(settingsWereSaved());
    EXPECT_EQ(files_.read("one.html"), "<p>one</p>\n");
}

TEST_F(DocumentCommandsTest, NoForBothDocumentsClosesEverythingAndSavesTheSettings) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseAsk;
    openTwoModified();
    services_->answers = {IPlatformServices::Answer::No, IPlatformServices::Answer::No};

    EXPECT_TRUE(window()->close());
    EXPECT_EQ(services_->questions.size(), 2);
    EXPECT_EQ(windowCount(), 0);
    EXPECT_TRUE(settingsWereSaved());
    EXPECT_EQ(files_.read("one.html"), "<p>one</p>\n");
    EXPECT_EQ(files_.read("two.html"), "<p>two</p>\n");
}

TEST_F(DocumentCommandsTest, YesSavesEachDocumentBeforeClosing) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseAsk;
    openTwoModified();
    services_->answers = {IPlatformServices::Answer::Yes, IPlatformServices::Answer::Yes};

    EXPECT_TRUE(window()->close());
    EXPECT_EQ(files_.read("one.html"), "1<p>one</p>\n");
    EXPECT_EQ(files_.read("two.html"), "2<p>two</p>\n");
    EXPECT_TRUE(settingsWereSaved());
}

TEST_F(DocumentCommandsTest, PolicyNoDropsTheEditsWithoutAsking) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseNo;
    openTwoModified();

    EXPECT_TRUE(window()->close());
    EXPECT_TRUE(services_->questions.isEmpty());
    EXPECT_EQ(windowCount(), 0);
    EXPECT_EQ(files_.read("one.html"), "<p>one</p>\n");
    EXPECT_EQ(storedSettings().value("Options/SaveClose").toInt(), 0);
}

TEST_F(DocumentCommandsTest, PolicyYesSavesWithoutAskingAndAFailedSaveStopsTheClose) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseYes;
    openTwoModified();
    CChildWin* untitled = newUntitled();
    type(untitled, "draft");
    services_->saveNames = {""}; // the untitled document's dialog is cancelled

    EXPECT_FALSE(window()->close());
    EXPECT_TRUE(services_->questions.isEmpty());
    EXPECT_EQ(services_->messages, QStringList{"Failed to save file."});
    // The windows before it were saved and closed; the untitled one stays.
    EXPECT_EQ(files_.read("one.html"), "1<p>one</p>\n");
    EXPECT_EQ(files_.read("two.html"), "2<p>two</p>\n");
    EXPECT_EQ(windowCount(), 1);
    EXPECT_EQ(window()->activeDocument(), untitled);
    EXPECT_TRUE(modified(untitled));
    EXPECT_FALSE(settingsWereSaved());

    // A later close that succeeds is not stopped by the earlier refusal.
    services_->saveNames = {QString::fromStdString(files_.path("draft.html"))};
    EXPECT_TRUE(window()->close());
    EXPECT_EQ(files_.read("draft.html"), "draft");
    EXPECT_TRUE(settingsWereSaved());
}

TEST_F(DocumentCommandsTest, ExitAsksOverEachModifiedDocumentAndOneCancelStopsIt) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseAsk;
    openTwoModified();
    ASSERT_EQ(window()->activeDocument(), second_);
    std::vector<CChildWin*> activeWhenAsked;
    services_->onQuestion = [this, &activeWhenAsked](const QString&) {
        activeWhenAsked.push_back(window()->activeDocument());
    };
    services_->answers = {IPlatformServices::Answer::No, IPlatformServices::Answer::Cancel};

    ASSERT_TRUE(commands().execute(Cmd::Exit));
    settle();
    EXPECT_EQ(activeWhenAsked, (std::vector<CChildWin*>{first_, second_}));
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(windowCount(), 1);
    EXPECT_TRUE(modified(second_));
    EXPECT_FALSE(settingsWereSaved());

    services_->answers = {IPlatformServices::Answer::Yes};
    ASSERT_TRUE(commands().execute(Cmd::Exit));
    settle();
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(files_.read("two.html"), "2<p>two</p>\n");
    EXPECT_TRUE(settingsWereSaved());
}

// --- enable rules of the main window's own commands -------------------------

TEST_F(DocumentCommandsTest, DocumentCommandsAreDisabledWithoutADocument) {
    const int documentOnly[] = {Cmd::FileSaveAll,   Cmd::CheckCode,     Cmd::Check,
                                Cmd::ValidateLinks, Cmd::OpenInBrowser, Cmd::Preview,
                                Cmd::InsertTag,     Cmd::InsertAnchor,  Cmd::InsertImage,
                                Cmd::InsertTable,   Cmd::InsertFrames,  Cmd::FileSave,
                                Cmd::FileSaveAs,    Cmd::FileClose,     Cmd::Undo,
                                Cmd::Cut,           Cmd::Copy,          Cmd::MarkSelection};
    auto expectAllDisabled = [&](const char* when) {
        commands().refresh();
        for (int id : documentOnly) {
            EXPECT_FALSE(action(id)->isEnabled()) << id << " " << when;
        }
    };
    expectAllDisabled("without any window");
    EXPECT_TRUE(refreshed(Cmd::FileNew)->isEnabled());
    EXPECT_TRUE(refreshed(Cmd::FileOpen)->isEnabled());

    // A window of the error log kind is not a document either.
    auto* log = new QWidget;
    window()->addChild(log, CMainWin::kErrorLogKind);
    settle();
    expectAllDisabled("with an error log active");

    CChildWin* document = newUntitled();
    ASSERT_EQ(window()->activeDocument(), document);
    EXPECT_TRUE(refreshed(Cmd::FileSaveAll)->isEnabled());
    EXPECT_TRUE(refreshed(Cmd::FileSave)->isEnabled());
}

TEST_F(DocumentCommandsTest, ADisabledSaveAllNeverRuns) {
    // Without a document Save All does nothing, not even ask for names.
    EXPECT_FALSE(commands().execute(Cmd::FileSaveAll));
    EXPECT_EQ(services_->saveDialogs, 0);
}

TEST_F(DocumentCommandsTest, UseMarksButtonTogglesTheCopyAndDeleteTexts) {
    CChildWin* document = newUntitled();
    ASSERT_NE(document, nullptr);
    QToolBar* standard = window()->toolBar(Cmd::StandardToolbar);
    ASSERT_NE(standard, nullptr);
    auto* button = qobject_cast<QToolButton*>(standard->widgetForAction(action(Cmd::UseMarks)));
    ASSERT_NE(button, nullptr);

    QTest::mouseClick(button, Qt::LeftButton);
    settle();
    EXPECT_EQ(app_.state().UseMarks, 1);
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(refreshed(Cmd::Copy)->text(), "Copy Marks\tCtrl + C");
    EXPECT_EQ(action(Cmd::Delete)->text(), "Delete Marks\tDel");

    QTest::mouseClick(button, Qt::LeftButton);
    settle();
    EXPECT_EQ(app_.state().UseMarks, 0);
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(refreshed(Cmd::Copy)->text(), "Copy\tCtrl + C");
    EXPECT_EQ(action(Cmd::Delete)->text(), "Delete\tDel");
}
