#include "app/qt/CChildWin.h"

#include "AppFixture.h"
#include "app/CommandIds.h"
#include "app/qt/ErrorLogs.h"

#include <QClipboard>
#include <QMenu>
#include <QTimer>

namespace fs = std::filesystem;

namespace {

class ChildWinTest : public AppFixture {
protected:
    // An untitled document holding text, the caret at its end.
    CChildWin* documentWith(const QString& content) {
        CChildWin* document = newUntitled();
        type(document, content);
        return document;
    }
    void select(CChildWin* document, int start, int end) {
        document->editor().SetSelection(start, end, true);
        settle();
    }
    bool enabled(int id) { return refreshed(id)->isEnabled(); }
    std::size_t markCount(const CChildWin* document) {
        return document->editor().model().marks().size();
    }
    void useMarks(int on) {
        app_.state().UseMarks = on;
        commands().refresh();
    }

    // Opens the editor's right-button menu with a real click and returns the
    // texts of its items as they showed, enabled ones marked with a "+".
    QStringList contextMenuItems(CChildWin* document) {
        QStringList items;
        QTimer::singleShot(0, [&items] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            for (QAction* item : menu->actions()) {
                if (!item->isSeparator()) {
                    items << (item->isEnabled() ? "+" : "-") + item->text();
                }
            }
            menu->close();
        });
        QTest::mouseClick(document->editor().viewport(), Qt::RightButton, {}, QPoint(40, 8));
        settle();
        return items;
    }
};

} // namespace

// --- enable rules -----------------------------------------------------------

TEST_F(ChildWinTest, WithAnEmptySelectionOnlyTheSelectionCommandsAreDisabled) {
    CChildWin* document = documentWith("<b>bold</b>");
    useMarks(0);
    for (int id : {Cmd::Cut, Cmd::MarkSelection, Cmd::SmartTabs, Cmd::UpperCase, Cmd::LowerCase,
                   Cmd::SmartCase, Cmd::RemoveMark, Cmd::RemoveAllMarks, Cmd::Redo}) {
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_TRUE(enabled(Cmd::Copy));
    EXPECT_TRUE(enabled(Cmd::Delete));
    EXPECT_EQ(action(Cmd::Copy)->text(), "Copy\tCtrl + C");
    EXPECT_EQ(action(Cmd::Delete)->text(), "Delete\tDel");
    for (int id : {Cmd::Undo, Cmd::SelectAll, Cmd::CopyPlainText, Cmd::ColorKey, Cmd::FileSave,
                   Cmd::FileSaveAs, Cmd::FileClose}) {
        EXPECT_TRUE(enabled(id)) << id;
    }

    // Shift+Left selects the last character: the selection commands wake up.
    key(document, Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(document->editor().model().GetSelectedText(), ">");
    EXPECT_TRUE(enabled(Cmd::Cut));
    EXPECT_TRUE(enabled(Cmd::MarkSelection));
}

TEST_F(ChildWinTest, WithUseMarksCopyAndDeleteFollowTheMarks) {
    CChildWin* document = documentWith("one two three");
    useMarks(1);
    QGuiApplication::clipboard()->setText("kept");
    key(document, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept") << "no marks, nothing copied";
    EXPECT_FALSE(enabled(Cmd::Copy));
    EXPECT_FALSE(enabled(Cmd::Delete));
    EXPECT_EQ(action(Cmd::Copy)->text(), "Copy Marks\tCtrl + C");
    EXPECT_EQ(action(Cmd::Delete)->text(), "Delete Marks\tDel");
    EXPECT_FALSE(enabled(Cmd::RemoveAllMarks));

    select(document, 4, 7); // "two"
    key(document, Qt::Key_M, Qt::ControlModifier);
    ASSERT_EQ(markCount(document), 1u);
    EXPECT_TRUE(enabled(Cmd::Copy));
    EXPECT_TRUE(enabled(Cmd::Delete));
    EXPECT_EQ(action(Cmd::Copy)->text(), "Copy Marks\tCtrl + C");
    EXPECT_TRUE(enabled(Cmd::RemoveAllMarks));

    useMarks(0);
    EXPECT_EQ(action(Cmd::Copy)->text(), "Copy\tCtrl + C");
    EXPECT_EQ(action(Cmd::Delete)->text(), "Delete\tDel");
}

TEST_F(ChildWinTest, BoldOverMarksKeepsTheSelectionOnItsTextAndUndoesWhole) {
    CChildWin* document = documentWith("one two three four");
    select(document, 0, 3);
    key(document, Qt::Key_M, Qt::ControlModifier);
    select(document, 8, 13);
    key(document, Qt::Key_M, Qt::ControlModifier);
    ASSERT_EQ(markCount(document), 2u);
    useMarks(1);
    select(document, 14, 18); // "four", after both marks
    key(document, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(text(document), "<B>one</B> two <B>three</B> four");
    EXPECT_EQ(document->editor().model().GetSelectedText(), "four");
    key(document, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(document), "one two three four") << "one undo takes back every mark's tags";
    useMarks(0);
}

TEST_F(ChildWinTest, RemoveMarkNeedsTheSelectionStartInsideAMark) {
    CChildWin* document = documentWith("one two three");
    select(document, 4, 7);
    key(document, Qt::Key_M, Qt::ControlModifier);
    ASSERT_EQ(markCount(document), 1u);

    select(document, 3, 3); // just before the mark
    EXPECT_FALSE(enabled(Cmd::RemoveMark));
    key(document, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(markCount(document), 1u);

    select(document, 7, 7); // the mark's end is outside it
    EXPECT_FALSE(enabled(Cmd::RemoveMark));

    select(document, 6, 9); // starts on its last character
    EXPECT_TRUE(enabled(Cmd::RemoveMark));
    key(document, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(markCount(document), 0u);
    EXPECT_FALSE(enabled(Cmd::RemoveAllMarks));
}

TEST_F(ChildWinTest, ShortcutsOfDisabledCommandsDoNothing) {
    CChildWin* document = documentWith("text");
    ASSERT_TRUE(QApplication::focusWidget() == &document->editor());

    // Ctrl+M with an empty selection: no mark, no text, nothing to undo more.
    const std::size_t undoSteps = document->editor().model().undoList().size();
    key(document, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(markCount(document), 0u);
    EXPECT_EQ(text(document), "text");
    EXPECT_EQ(document->editor().model().undoList().size(), undoSteps);

    // Ctrl+J without marks and Ctrl+Y with nothing to redo change nothing.
    key(document, Qt::Key_J, Qt::ControlModifier);
    key(document, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(document), "text");

    // The same keys work once their commands are enabled.
    key(document, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(text(document), "text");
    EXPECT_TRUE(enabled(Cmd::Redo));
    key(document, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(document), "text");
}

TEST_F(ChildWinTest, PasteFollowsTheClipboard) {
    CChildWin* document = documentWith("x");
    QApplication::clipboard()->clear();
    EXPECT_FALSE(enabled(Cmd::Paste));
    QApplication::clipboard()->setText("pasted");
    EXPECT_TRUE(enabled(Cmd::Paste));
    action(Cmd::Paste)->trigger();
    settle();
    EXPECT_EQ(text(document), "xpasted");
    QApplication::clipboard()->clear();
}

TEST_F(ChildWinTest, TheRightButtonMenuShowsTheSameRulesAndTexts) {
    CChildWin* document = documentWith("abc");
    useMarks(1);
    const QStringList items = contextMenuItems(document);
    EXPECT_TRUE(items.contains("-Copy Marks\tCtrl + C")) << items.join('|').toStdString();
    EXPECT_TRUE(items.contains("-Delete Marks\tDel")) << items.join('|').toStdString();
    EXPECT_TRUE(items.contains("+Select &All\tCtrl + A")) << items.join('|').toStdString();
    EXPECT_TRUE(items.contains("-&Mark Selection\tCtrl + M")) << items.join('|').toStdString();
}

// --- saving -----------------------------------------------------------------

TEST_F(ChildWinTest, CtrlSWritesTheDocumentToItsFile) {
    const fs::path page = files_.write("page.html", "<p>old</p>\n");
    CChildWin* document = open(page);
    ASSERT_NE(document, nullptr);
    type(document, "new ");
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files_.read("page.html"), "new <p>old</p>\n");
    EXPECT_FALSE(modified(document));
    EXPECT_EQ(services_->saveDialogs, 0);
    EXPECT_EQ(files_.entryCount(), 1u); // no temporary file left beside it
}

TEST_F(ChildWinTest, SavingAnUntitledDocumentAsksForANameOnce) {
    CChildWin* document = documentWith("draft");
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(services_->saveDialogs, 1);
    EXPECT_EQ(services_->messages, QStringList{"Failed to save file."});
    EXPECT_TRUE(modified(document));
    EXPECT_EQ(document->windowTitle(), "Untitled");
    EXPECT_EQ(files_.entryCount(), 0u);

    services_->saveNames = {QString::fromStdString(files_.path("draft.html"))};
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files_.read("draft.html"), "draft");
    EXPECT_EQ(document->windowTitle().toStdString(), files_.path("draft.html"));
    EXPECT_TRUE(window()->windowTitle().contains(document->windowTitle()));
    type(document, "!");
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(services_->saveDialogs, 2);
    EXPECT_EQ(files_.read("draft.html"), "draft!");
}

TEST_F(ChildWinTest, AReadOnlyFileIsNotSavedAndTheDocumentStaysModified) {
    const fs::path page = files_.write("locked.html", "<p>locked</p>\n");
    fs::permissions(page, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    CChildWin* document = open(page);
    ASSERT_NE(document, nullptr);
    type(document, "change ");
    key(document, Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(services_->messages, QStringList{"Failed to save file."});
    EXPECT_TRUE(modified(document));
    EXPECT_EQ(files_.read("locked.html"), "<p>locked</p>\n");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(files_.entryCount(), 1u);
}

TEST_F(ChildWinTest, SaveAsMovesTheDocumentAndLeavesTheOldFile) {
    const fs::path page = files_.write("page.html", "<p>page</p>\n");
    CChildWin* document = open(page);
    ASSERT_NE(document, nullptr);
    type(document, "copy ");
    const std::string copy = files_.path("copy.html");
    services_->saveNames = {QString::fromStdString(copy)};
    ASSERT_TRUE(commands().execute(Cmd::FileSaveAs));

    EXPECT_EQ(files_.read("copy.html"), "copy <p>page</p>\n");
    EXPECT_EQ(files_.read("page.html"), "<p>page</p>\n");
    EXPECT_EQ(document->path(), copy);
    EXPECT_EQ(document->windowTitle().toStdString(), copy);
    EXPECT_TRUE(app_.recentFiles().contains(copy));
    // The old path is free again: opening it gives a second window.
    EXPECT_NE(open(page), document);
}

TEST_F(ChildWinTest, AFailedSaveAsKeepsTheOldNameAndSaysWhy) {
    const fs::path page = files_.write("page.html", "<p>page</p>\n");
    CChildWin* document = open(page);
    type(document, "text ");
    const std::string nowhere = files_.path("missing-folder/page.html");
    services_->saveNames = {QString::fromStdString(nowhere)};
    ASSERT_TRUE(commands().execute(Cmd::FileSaveAs));
    EXPECT_EQ(services_->messages, QStringList{"Failed to save file."});
    ASSERT_EQ(services_->details.size(), 1);
    EXPECT_TRUE(services_->details[0].startsWith(QString::fromStdString(nowhere)));
    EXPECT_EQ(document->path(), page.string());
    EXPECT_EQ(document->windowTitle().toStdString(), page.string());
    EXPECT_FALSE(app_.recentFiles().contains(nowhere));
    EXPECT_TRUE(modified(document));
    EXPECT_EQ(files_.entryCount(), 1u);
}

TEST_F(ChildWinTest, LineEndsSurviveOpenAndSaveByteForByte) {
    // Colouring on open runs (Editing[0] on) and must not touch a byte: the
    // fixture keeps the upper-case switches Editing[2] and Editing[3] off.
    ASSERT_TRUE(app_.settings().isOn(CEditorSettings::ColorKeyOnOpen));
    const std::string crlf = "<html>\r\n<body bgcolor=\"#ffffff\">\r\n\r\n<p>text</p>\r\n</body>";
    const std::string lf = "<html>\n<body>\n<p>text</p>\n</body>\n";
    // Lone CRs and mixed line ends are written as one kind once edited, but
    // a save of the unedited page leaves the file as it was.
    const std::string cr = "<p>\r<foo>\r";
    const std::string mixed = "one\r\ntwo\nthree\rfour\r\n";
    const std::pair<const char*, std::string> files[] = {
        {"crlf.html", crlf}, {"lf.html", lf}, {"cr.html", cr}, {"mixed.html", mixed}};
    for (const auto& [name, bytes] : files) {
        files_.write(name, bytes);
    }
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        CChildWin* document = open(files_.path(name));
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(text(document).find('\r'), std::string::npos);
        key(document, Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(services_->messages.isEmpty());
        EXPECT_EQ(files_.read(name), bytes);
    }

    // A new line typed into a CR LF file gets CR LF too.
    CChildWin* document = documents().findDocument(files_.path("crlf.html"));
    activate(document);
    const int end = document->editor().model().length();
    select(document, end, end);
    key(document, Qt::Key_Return);
    type(document, "</html>");
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files_.read("crlf.html"), crlf + "\r\n</html>");
}

// Check Code saves the page before it reads it: that must not rewrite the
// line ends of a page nobody edited.
TEST_F(ChildWinTest, CheckCodeLeavesTheLineEndsOfAnUneditedPage) {
    const std::string cr = "<p>\r<foo>\r";
    CChildWin* document = open(files_.write("cr.html", cr));
    ASSERT_NE(document, nullptr);
    key(document, Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(waitUntil([this, &document] {
        return window()->errorLogs().latestAbout(document->path()) != nullptr;
    }));
    EXPECT_TRUE(services_->messages.isEmpty());
    EXPECT_EQ(files_.read("cr.html"), cr);
}

TEST_F(ChildWinTest, UpperCaseSwitchesChangeTagNamesOnOpen) {
    app_.settings().Editing[CEditorSettings::UpperCaseTagNames] = 1;
    CChildWin* document = open(files_.write("lower.html", "<p>x</p>\n"));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(text(document), "<P>x</P>\n");
    // Not an edit, but a save writes what the editor shows.
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files_.read("lower.html"), "<P>x</P>\n");
}

// --- closing one document ---------------------------------------------------

// File > Close goes through the same close handling as the window's close
// button: nothing typed is dropped unless the user says so.
TEST_F(ChildWinTest, FileCloseAsksBeforeDroppingEdits) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseAsk;
    const fs::path page = files_.write("page.html", "<p>page</p>\n");
    CChildWin* document = open(page);
    type(document, "kept ");
    services_->answers = {IPlatformServices::Answer::Cancel};
    ASSERT_TRUE(commands().execute(Cmd::FileClose));
    EXPECT_EQ(windowCount(), 1);
    EXPECT_EQ(services_->questions,
              QStringList{"Do you want to save your document before closing?"});

    services_->answers = {IPlatformServices::Answer::Yes};
    ASSERT_TRUE(commands().execute(Cmd::FileClose));
    EXPECT_EQ(windowCount(), 0);
    EXPECT_EQ(files_.read("page.html"), "kept <p>page</p>\n");
}

TEST_F(ChildWinTest, FileCloseWithTheNoPolicyDropsEditsWithoutAsking) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseNo;
    const fs::path page = files_.write("page.html", "<p>page</p>\n");
    CChildWin* document = open(page);
    type(document, "lost ");
    ASSERT_TRUE(commands().execute(Cmd::FileClose));
    EXPECT_EQ(windowCount(), 0);
    EXPECT_TRUE(services_->questions.isEmpty());
    EXPECT_EQ(files_.read("page.html"), "<p>page</p>\n");
}

TEST_F(ChildWinTest, YesWithACancelledSaveDialogKeepsTheWindow) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseAsk;
    CChildWin* document = documentWith("draft");
    services_->answers = {IPlatformServices::Answer::Yes};
    EXPECT_FALSE(document->parentWidget()->close());
    EXPECT_EQ(services_->saveDialogs, 1);
    EXPECT_EQ(services_->messages, QStringList{"Failed to save file."});
    EXPECT_EQ(windowCount(), 1);
    EXPECT_TRUE(modified(document));
}

TEST_F(ChildWinTest, AnUnmodifiedDocumentClosesWithoutAQuestion) {
    app_.settings().SaveClose = CEditorSettings::SaveCloseAsk;
    CChildWin* document = open(files_.write("page.html", "<p>page</p>\n"));
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(document->parentWidget()->close());
    EXPECT_TRUE(services_->questions.isEmpty());
    EXPECT_EQ(windowCount(), 0);
}

// --- a file changed by another program --------------------------------------

TEST_F(ChildWinTest, ActivationAsksBeforeReloadingAChangedFile) {
    const fs::path page = files_.write("page.html", "<p>mine</p>\n");
    CChildWin* document = open(page);
    ASSERT_NE(document, nullptr);
    CChildWin* other = open(files_.write("other.html", "<p>other</p>\n"));
    ASSERT_EQ(window()->activeDocument(), other);

    files_.write("page.html", "<p>theirs</p>\n");
    touchLater(page);
    services_->yesNoAnswers = {false};
    activate(document);
    ASSERT_EQ(services_->questions.size(), 1);
    EXPECT_TRUE(services_->questions[0].contains(QString::fromStdString(page.string())));
    EXPECT_EQ(text(document), "<p>mine</p>\n");

    // Asked once per change: coming back again does not ask again.
    activate(other);
    activate(document);
    EXPECT_EQ(services_->questions.size(), 1);

    files_.write("page.html", "<p>theirs again</p>\n");
    touchLater(page);
    type(document, "x");
    services_->yesNoAnswers = {true};
    activate(other);
    activate(document);
    EXPECT_EQ(services_->questions.size(), 2);
    EXPECT_EQ(text(document), "<p>theirs again</p>\n");
    EXPECT_FALSE(modified(document));
    EXPECT_TRUE(document->editor().model().undoList().empty());
}

TEST_F(ChildWinTest, ASaveAsksBeforeOverwritingAnotherProgramsChange) {
    const fs::path page = files_.write("page.html", "<p>mine</p>\n");
    CChildWin* document = open(page);
    type(document, "x");
    files_.write("page.html", "<p>theirs</p>\n");
    touchLater(page);

    services_->yesNoAnswers = {false};
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(services_->questions,
              QStringList{"The file has been changed on disk by another program. Overwrite it?"});
    EXPECT_EQ(files_.read("page.html"), "<p>theirs</p>\n");
    EXPECT_TRUE(modified(document));
    EXPECT_TRUE(services_->messages.isEmpty()); // the user's answer is not a failure

    services_->yesNoAnswers = {true};
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(services_->questions.size(), 2);
    EXPECT_EQ(files_.read("page.html"), "x<p>mine</p>\n");
    EXPECT_FALSE(modified(document));
}

TEST_F(ChildWinTest, ASameSizedChangeWithTheSameTimeIsSeenBySize) {
    const fs::path page = files_.write("page.html", "<p>mine</p>\n");
    CChildWin* document = open(page);
    type(document, "x");
    const auto written = fs::last_write_time(page);
    files_.write("page.html", "<p>their longer text</p>\n");
    fs::last_write_time(page, written);
    key(document, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(services_->questions.size(), 1);
    EXPECT_EQ(files_.read("page.html"), "<p>their longer text</p>\n");
}

TEST_F(ChildWinTest, OurOwnSaveIsNotAChangeOnDisk) {
    const fs::path page = files_.write("page.html", "<p>mine</p>\n");
    CChildWin* document = open(page);
    CChildWin* other = open(files_.write("other.html", "x\n"));
    activate(document);
    type(document, "y");
    key(document, Qt::Key_S, Qt::ControlModifier);
    activate(other);
    activate(document);
    EXPECT_TRUE(services_->questions.isEmpty());
}
