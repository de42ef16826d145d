// The word and end keys in a running application: no menu command takes
// them from the focused editor, and Ctrl used for them calls no list.
#include "AppFixture.h"
#include "app/qt/StatusPanes.h"
#include "html/qt/ListWindow.h"

namespace {

class WordKeysAppTest : public AppFixture {
protected:
    QString position() { return window()->statusPanes().positionText(); }
    static ListWindow* listOf(CChildWin* document) {
        return document->editor().viewport()->findChild<ListWindow*>();
    }
    static bool listShown(CChildWin* document) {
        return listOf(document) != nullptr && listOf(document)->isVisible();
    }
};

// No menu command takes these keys from the focused editor.
TEST_F(WordKeysAppTest, WordAndEndKeysReachTheEditorOfTheRunningApplication) {
    CChildWin* document = open(files_.write("a.html", "<p>one two</p>\nlast line"));
    ASSERT_EQ(QApplication::focusWidget(), &document->editor());
    key(document, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(position(), "Ln 2, Col 10");
    key(document, Qt::Key_Left, Qt::ControlModifier);
    key(document, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(position(), "Ln 2, Col 6, 5 selected");
    key(document, Qt::Key_Home, Qt::ControlModifier);
    key(document, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(position(), "Ln 1, Col 2");
    EXPECT_FALSE(modified(document));
}

TEST_F(WordKeysAppTest, CtrlThatMovedTheCaretDoesNotOpenTheCompletionList) {
    app_.settings().Editing[CEditorSettings::CodeHelperOnCtrl] = 1;
    CChildWin* document = open(files_.write("a.html", "<p>one two</p>"));
    key(document, Qt::Key_Right, Qt::ControlModifier); // into the tag, after "<"
    EXPECT_FALSE(listShown(document));
    key(document, Qt::Key_Control); // Ctrl alone still calls it
    EXPECT_TRUE(listShown(document));
}

} // namespace
