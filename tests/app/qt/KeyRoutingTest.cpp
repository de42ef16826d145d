// Keys sent where a user's go, to the focused editor of a running
// application: which keys type, which run commands and open menus.
#include "AppFixture.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/qt/MenuLayout.h"

#include <QClipboard>
#include <QDockWidget>
#include <QInputMethodEvent>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace fs = std::filesystem;

namespace {

class KeyRoutingTest : public AppFixture {
protected:
    CChildWin* openFocused(const std::string& content) {
        CChildWin* document = open(files_.write("page.html", content));
        document->editor().setFocus();
        settle();
        return document;
    }

    // Every action's look, as the user sees it now.
    std::vector<std::tuple<int, bool, bool, QString>> actionLooks() {
        std::vector<std::tuple<int, bool, bool, QString>> looks;
        for (const CommandInfo& info : AllCommands()) {
            QAction* item = action(info.id);
            looks.emplace_back(info.id, item->isEnabled(), item->isChecked(), item->text());
        }
        return looks;
    }

    // Fails when a fresh evaluation of the rules would change what shows.
    void expectNoStaleState(const char* after) {
        settle();
        const auto shown = actionLooks();
        commands().refresh();
        EXPECT_EQ(shown, actionLooks()) << "stale command state after " << after;
    }
};

} // namespace

TEST_F(KeyRoutingTest, AltKeysAndShiftReturnRunTheirCommandsInsteadOfTyping) {
    CChildWin* document = openFocused("abc");
    ASSERT_EQ(QApplication::focusWidget(), &document->editor());
    key(document, Qt::Key_End);
    key(document, Qt::Key_4, Qt::AltModifier);
    key(document, Qt::Key_5, Qt::AltModifier);
    EXPECT_FALSE(window()->workspace()->isVisible());
    EXPECT_FALSE(window()->statusBar()->isVisible());
    key(document, Qt::Key_Return, Qt::ShiftModifier); // Line Break
    EXPECT_EQ(text(document), "abc<BR>");

    key(document, Qt::Key_F, Qt::AltModifier); // the File menu
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->title(), "&File");
    QTest::keyClick(popup, Qt::Key_Escape);
    settle();
    EXPECT_EQ(text(document), "abc<BR>");
}

TEST_F(KeyRoutingTest, AnAltKeyWithoutACommandTypesNothing) {
    CChildWin* document = openFocused("abc");
    key(document, Qt::Key_Q, Qt::AltModifier);
    key(document, Qt::Key_9, Qt::AltModifier);
    EXPECT_EQ(text(document), "abc");
    EXPECT_FALSE(modified(document));
}

// Accelerators come before menu mnemonics: no menu bar may offer Alt plus a
// letter that a command is bound to, or Qt would run neither.
TEST(MenuMnemonics, NoMenuTitleTakesTheKeyOfAnAltCommand) {
    for (const MenuBarKind kind :
         {MenuBarKind::NoChild, MenuBarKind::Document, MenuBarKind::ErrorLog}) {
        for (const MenuLayout& menu : MenuBarLayout(kind)) {
            const qsizetype amp = menu.title.indexOf('&');
            if (amp < 0) {
                continue;
            }
            const QString altKey = QStringLiteral("Alt+") + menu.title.at(amp + 1).toUpper();
            for (const CommandInfo& info : AllCommands()) {
                const QString shortcuts = QString::fromUtf8(
                    info.shortcut.data(), static_cast<qsizetype>(info.shortcut.size()));
                EXPECT_FALSE(shortcuts.split("; ").contains(altKey))
                    << menu.title.toStdString() << " takes " << altKey.toStdString();
            }
        }
    }
}

TEST_F(KeyRoutingTest, ComposedCharactersAreTypedAsOneUndoStep) {
    CChildWin* document = openFocused("ab");
    key(document, Qt::Key_End);
    QInputMethodEvent composing(QStringLiteral("\u00B4"), {});
    QApplication::sendEvent(&document->editor(), &composing);
    EXPECT_EQ(text(document), "ab"); // shown at the caret, not yet in the text

    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("\u00E9"));
    QApplication::sendEvent(&document->editor(), &committed);
    settle();
    EXPECT_EQ(text(document), "ab\xC3\xA9");
    EXPECT_EQ(document->editor().model().GetSelection().caret, 4);

    ASSERT_TRUE(commands().execute(Cmd::Undo));
    EXPECT_EQ(text(document), "ab");
}

TEST_F(KeyRoutingTest, CommandStatesFollowEveryChangeWithoutPolling) {
    CChildWin* document = openFocused("<p>one two</p>\n");
    expectNoStaleState("opening");
    key(document, Qt::Key_Right, Qt::ShiftModifier);
    expectNoStaleState("selecting");
    key(document, Qt::Key_M, Qt::ControlModifier);
    expectNoStaleState("marking");
    type(document, "x");
    expectNoStaleState("typing");
    key(document, Qt::Key_Z, Qt::ControlModifier);
    expectNoStaleState("undo");
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    expectNoStaleState("a clipboard change");
    QApplication::clipboard()->clear();
    expectNoStaleState("clearing the clipboard");
    ASSERT_TRUE(commands().execute(Cmd::UseMarks));
    expectNoStaleState("Use Marks");
    window()->toolBar(Cmd::FormatToolbar)->hide();
    expectNoStaleState("hiding a toolbar");
    document->editor().SelectAll();
    expectNoStaleState("Select All called by code");
    CChildWin* other = newUntitled();
    expectNoStaleState("a new window");
    activate(document);
    expectNoStaleState("activating another window");
    ASSERT_TRUE(commands().execute(Cmd::FileClose));
    static_cast<void>(other);
    expectNoStaleState("closing a window");
}

TEST_F(KeyRoutingTest, CascadedWindowsAreTwoThirdsOfTheAreaAndStayInside) {
    window()->resize(1370, 920);
    for (const char* name : {"a.html", "b.html", "c.html"}) {
        ASSERT_NE(open(files_.write(name, "x\n")), nullptr);
    }
    ASSERT_TRUE(commands().execute(Cmd::Cascade));
    settle();
    const QRect area = window()->mdiArea()->viewport()->rect();
    for (QMdiSubWindow* sub : window()->mdiArea()->subWindowList()) {
        EXPECT_GE(sub->width(), area.width() * 2 / 3 - 1);
        EXPECT_GE(sub->height(), area.height() * 2 / 3 - 1);
        EXPECT_TRUE(area.contains(sub->geometry())) << sub->windowTitle().toStdString();
    }
}
