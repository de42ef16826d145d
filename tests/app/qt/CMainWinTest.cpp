#include "app/qt/CMainWin.h"

#include "AppFixture.h"
#include "app/CommandIds.h"
#include "app/qt/CTipDlg.h"

#include <QAction>
#include <QDockWidget>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

class MainWinTest : public AppFixture {
protected:
    QStringList menuTitles() {
        QStringList titles;
        for (QAction* menu : window()->menuBar()->actions()) {
            titles << menu->text();
        }
        return titles;
    }
};

} // namespace

TEST_F(MainWinTest, UseMarksTogglesItsCheckMarkAndButton) {
    QAction* useMarks = action(Cmd::UseMarks);
    window()->commands().refresh();
    EXPECT_FALSE(useMarks->isChecked());
    useMarks->trigger();
    EXPECT_EQ(app_.state().UseMarks, 1);
    EXPECT_TRUE(useMarks->isChecked());
    useMarks->trigger();
    EXPECT_EQ(app_.state().UseMarks, 0);
    EXPECT_FALSE(useMarks->isChecked());
}

TEST_F(MainWinTest, ViewCommandsShowAndHideTheStatusBarAndWorkspace) {
    ASSERT_TRUE(window()->statusBar()->isVisible());
    action(Cmd::StatusBar)->trigger();
    EXPECT_FALSE(window()->statusBar()->isVisible());
    window()->commands().refresh();
    EXPECT_FALSE(action(Cmd::StatusBar)->isChecked());
    action(Cmd::StatusBar)->trigger();
    EXPECT_TRUE(window()->statusBar()->isVisible());

    ASSERT_TRUE(window()->workspace()->isVisible());
    QTest::keyClick(window(), Qt::Key_4, Qt::AltModifier);
    EXPECT_FALSE(window()->workspace()->isVisible());
    EXPECT_EQ(window()->workspace()->windowTitle(), "Workspace");
}

TEST_F(MainWinTest, StandardAndFormatBarsShareTheFirstRow) {
    QToolBar* standard = window()->toolBar(Cmd::StandardToolbar);
    QToolBar* format = window()->toolBar(Cmd::FormatToolbar);
    QToolBar* tools = window()->toolBar(Cmd::ToolsToolbar);
    ASSERT_NE(standard, nullptr);
    ASSERT_NE(format, nullptr);
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(window()->toolBarArea(standard), Qt::TopToolBarArea);
    EXPECT_FALSE(window()->toolBarBreak(format));
    EXPECT_TRUE(window()->toolBarBreak(tools));
}

TEST_F(MainWinTest, WithoutAChildTheMenuBarHasNoEditMenu) {
    const QStringList titles = menuTitles();
    EXPECT_TRUE(titles.contains("&File"));
    EXPECT_TRUE(titles.contains("View"));
    EXPECT_TRUE(titles.contains("&Help"));
    EXPECT_FALSE(titles.contains("&Edit"));
}

TEST_F(MainWinTest, AnAmpersandInARecentPathIsShownAsItIs) {
    app_.recentFiles().add("/site/Q&A.html");
    window()->UpdateRecentMenus();
    EXPECT_EQ(action(Cmd::RecentFile0)->text(), "/site/Q&&A.html");
    EXPECT_EQ(action(Cmd::RecentFile0)->iconText(), "/site/Q&A.html");
    QString chosen;
    QObject::connect(window(), &CMainWin::recentFileChosen, [&](const QString& p) { chosen = p; });
    EXPECT_TRUE(window()->commands().execute(Cmd::RecentFile0));
    EXPECT_EQ(chosen, "/site/Q&A.html");
}

TEST_F(MainWinTest, RecentFileItemsShowPathsAndStayGreyWhileEmpty) {
    app_.recentFiles().add("/site/a.html");
    window()->UpdateRecentMenus();
    EXPECT_TRUE(action(Cmd::RecentFile0)->isEnabled());
    EXPECT_EQ(action(Cmd::RecentFile0)->text(), "/site/a.html");
    EXPECT_FALSE(action(Cmd::RecentFile0 + 1)->isEnabled());
    EXPECT_EQ(action(Cmd::RecentFile0 + 1)->text(), "File 1");

    QString chosen;
    QObject::connect(window(), &CMainWin::recentFileChosen, [&](const QString& p) { chosen = p; });
    EXPECT_FALSE(window()->commands().execute(Cmd::RecentFile0 + 1));
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_TRUE(window()->commands().execute(Cmd::RecentFile0));
    EXPECT_EQ(chosen, "/site/a.html");
}

TEST_F(MainWinTest, CommandsNobodyHandlesNeverRun) {
    EXPECT_FALSE(window()->commands().execute(Cmd::Upload));
    EXPECT_FALSE(window()->commands().execute(Cmd::Undo));
    window()->commands().refresh();
    EXPECT_FALSE(action(Cmd::Undo)->isEnabled());
}

TEST(TipDialog, SevenStepsOverThreeTipsShowTheFirst) {
    TempDir dir;
    dir.write("Tips.txt", "first\nsecond\nthird");
    CTipDlg dialog(QString::fromStdString(dir.path("Tips.txt")), 7);
    EXPECT_EQ(dialog.currentTip(), "first");
    QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    QPushButton* nextTip = nullptr;
    for (QPushButton* button : buttons) {
        if (button->text() == "Next Tip") {
            nextTip = button;
        }
    }
    ASSERT_NE(nextTip, nullptr);
    QTest::mouseClick(nextTip, Qt::LeftButton);
    EXPECT_EQ(dialog.currentTip(), "second");
    QTest::mouseClick(nextTip, Qt::LeftButton);
    QTest::mouseClick(nextTip, Qt::LeftButton);
    EXPECT_EQ(dialog.currentTip(), "first");
}

TEST_F(MainWinTest, ANewKindOfChildRebuildsTheBarsInTheirRows) {
    window()->registerChildCommands([](int id) { return id == Cmd::InsertTag; });
    QToolBar* tools = window()->toolBar(Cmd::ToolsToolbar);
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->actions().contains(action(Cmd::InsertTag)));
    EXPECT_TRUE(window()->toolBarBreak(tools));
    EXPECT_FALSE(window()->toolBarBreak(window()->toolBar(Cmd::FormatToolbar)));
    EXPECT_EQ(window()->findChildren<QToolBar*>().size(), 4);
}

// The window icon is the drawing the desktop menu shows; an icon that does
// not render (a wrong resource name, no SVG support) leaves the platform's
// blank default.
TEST_F(MainWinTest, TheWindowIconDrawsTheApplicationIconAtEverySize) {
    const QIcon icon = window()->windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        const QColor background = image.pixelColor(size / 2, size * 13 / 16);
        EXPECT_EQ(background.name().toStdString(), "#1f4e79") << size;
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << size;
    }
}
