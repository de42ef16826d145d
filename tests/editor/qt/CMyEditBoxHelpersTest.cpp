#include "EditBoxFixture.h"
#include "TempDir.h"
#include "editor/qt/ICodeHelper.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

// Records what the editor asks of the completion list.
class FakeCodeHelper : public ICodeHelper {
public:
    void ShowCodeHelper() override {
        ++shown;
        visible = true;
    }
    void HideCodeHelper() override {
        ++hidden;
        visible = false;
    }
    bool isVisible() const override { return visible; }
    bool CommitCodeHelper() override {
        ++commits;
        return takesReturn;
    }
    void SelectNext() override { ++nexts; }
    void SelectPrevious() override { ++previouses; }

    bool visible = false;
    bool takesReturn = false;
    int shown = 0;
    int hidden = 0;
    int commits = 0;
    int nexts = 0;
    int previouses = 0;
};

class EditBoxCodeHelper : public EditBoxFixture {
protected:
    void SetUp() override {
        EditBoxFixture::SetUp();
        box->setCodeHelper(&helper);
    }
    FakeCodeHelper helper;
};

TEST_F(EditBoxCodeHelper, TypingOpensTheListOnlyWithTheOptionOn) {
    setText("");
    QTest::keyClick(box.get(), Qt::Key_Less);
    EXPECT_EQ(helper.shown, 0);
    settings.Editing[CEditorSettings::CodeHelperAutomatic] = 1;
    QTest::keyClick(box.get(), Qt::Key_B);
    EXPECT_EQ(helper.shown, 1);
}

TEST_F(EditBoxCodeHelper, UpAndDownGoToTheVisibleListAndLeaveTheCaret) {
    setText("ab\ncd");
    box->SetSelection(4, 4, true);
    helper.visible = true;
    QTest::keyClick(box.get(), Qt::Key_Up);
    QTest::keyClick(box.get(), Qt::Key_Down);
    QTest::keyClick(box.get(), Qt::Key_Down);
    EXPECT_EQ(helper.previouses, 1);
    EXPECT_EQ(helper.nexts, 2);
    EXPECT_EQ(selection().caret, 4);
    QTest::keyClick(box.get(), Qt::Key_Left);
    EXPECT_FALSE(helper.visible) << "caret moves hide the list";
    QTest::keyClick(box.get(), Qt::Key_Up);
    EXPECT_EQ(selection().caret, 0) << "a hidden list leaves Up to the caret";
}

TEST_F(EditBoxCodeHelper, ReturnTakenByTheListInsertsNoLineBreak) {
    setText("<b");
    box->SetSelection(2, 2, true);
    helper.takesReturn = true;
    QTest::keyClick(box.get(), Qt::Key_Return);
    EXPECT_EQ(helper.commits, 1);
    EXPECT_EQ(text(), "<b");
    helper.takesReturn = false;
    QTest::keyClick(box.get(), Qt::Key_Return);
    EXPECT_EQ(text(), "<b\n");
}

TEST_F(EditBoxCodeHelper, ReleasingCtrlTogglesTheListWithItsOption) {
    setText("<b");
    QTest::keyClick(box.get(), Qt::Key_Control);
    EXPECT_EQ(helper.shown, 0);
    settings.Editing[CEditorSettings::CodeHelperOnCtrl] = 1;
    QTest::keyClick(box.get(), Qt::Key_Control);
    EXPECT_TRUE(helper.visible);
    QTest::keyClick(box.get(), Qt::Key_Control);
    EXPECT_FALSE(helper.visible);
}

TEST_F(EditBoxCodeHelper, AClickHidesTheList) {
    setText("abc");
    helper.visible = true;
    click(1, 0);
    EXPECT_FALSE(helper.visible);
}

using EditBoxToolTip = EditBoxFixture;

TEST_F(EditBoxToolTip, TheTooltipShowsTheTagUnderTheMouseOnlyWithItsSwitch) {
    setText("<b>x</b>");
    const QPoint at = cellCentre(1, 0);
    QHelpEvent on(QEvent::ToolTip, at, box->viewport()->mapToGlobal(at));
    QApplication::sendEvent(box->viewport(), &on);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Bold text"));
    QToolTip::hideText();
    ASSERT_TRUE(waitUntil([] { return !QToolTip::isVisible(); }));
    settings.Editing[CEditorSettings::EditorToolTips] = 0;
    QHelpEvent off(QEvent::ToolTip, at, box->viewport()->mapToGlobal(at));
    QApplication::sendEvent(box->viewport(), &off);
    EXPECT_FALSE(off.isAccepted());
    letEventsRun();
    EXPECT_FALSE(QToolTip::isVisible());
}

using EditBoxSettings = EditBoxFixture;

TEST_F(EditBoxSettings, ColorKeyRebuildsTheColourTableFromTheSettings) {
    setText("MMM");
    EXPECT_GT(pixelsNear(render(), 1, 0, colourOf(Red)), 0);
    settings.Color[CEditorSettings::DefaultColor] = Blue;
    box->ColorKey();
    waitForColouring();
    const QImage image = render();
    EXPECT_EQ(pixelsNear(image, 1, 0, colourOf(Red)), 0);
    EXPECT_GT(pixelsNear(image, 1, 0, colourOf(Blue)), 0);
}

TEST_F(EditBoxSettings, LoadingAFileResetsTheViewAndKeepsEveryByte) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 500; ++i) {
        content += "row\t" + std::to_string(i) + "\r\n";
    }
    content += std::string("\xFF\x00end", 5);
    dir.write("page.html", content);
    setText(std::string(50, '\n'));
    box->setTopLine(40);
    ASSERT_EQ(box->LoadFile(dir.path("page.html")), FileResult::Ok);
    EXPECT_EQ(box->topLine(), 0);
    EXPECT_EQ(selection().caret, 0);
    EXPECT_EQ(box->model().LineCount(), 501);
    EXPECT_EQ(text().substr(text().size() - 5), std::string("\xFF\x00end", 5));
    EXPECT_EQ(box->LoadFile(dir.path("missing.html")), FileResult::CannotOpen);
    EXPECT_EQ(box->model().LineCount(), 501) << "a failed load changes nothing";
}

} // namespace
