// Ctrl+Home/End, Ctrl+Left/Right and Shift+Page Up/Down, sent as real key
// events to the focused editor.
#include "EditBoxFixture.h"

#include <QScrollBar>
#include <string>
#include <vector>

namespace {

class EditBoxWordKeys : public EditBoxFixture {
protected:
    static std::string numberedLines(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "line " + std::to_string(i) + "\n";
        }
        return text;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        ASSERT_EQ(QApplication::focusWidget(), box.get());
        QTest::keyClick(box.get(), key, modifiers);
    }
    // Where each press of key leaves the caret.
    std::vector<int> caretsAfter(Qt::Key key, int presses) {
        std::vector<int> carets;
        for (int i = 0; i < presses; ++i) {
            press(key, Qt::ControlModifier);
            carets.push_back(selection().caret);
        }
        return carets;
    }
};

TEST_F(EditBoxWordKeys, ControlEndAndHomeGoToTheTextsEndsAndScroll) {
    setText(numberedLines(200));
    box->SetSelection(30, 30, true);
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(selection().start, box->model().length());
    EXPECT_EQ(selection().caret, box->model().length());
    EXPECT_GT(box->topLine(), 150);
    press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(selection().start, 0);
    EXPECT_EQ(selection().caret, 0);
    EXPECT_EQ(box->topLine(), 0);
    EXPECT_EQ(text(), numberedLines(200)); // nothing typed
}

TEST_F(EditBoxWordKeys, ShiftControlEndAndHomeSelectFromTheAnchor) {
    setText("first\nsecond\nthird");
    box->SetSelection(8, 8, true);
    press(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 8);
    EXPECT_EQ(selection().caret, 18);
    press(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 0);
    EXPECT_EQ(selection().caret, 8);
}

TEST_F(EditBoxWordKeys, ControlArrowsJumpOverWordsAndStopAtTagCharacters) {
    setText("<a href=\"x\">go on</a>");
    EXPECT_EQ(caretsAfter(Qt::Key_Right, 8), (std::vector<int>{1, 3, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(caretsAfter(Qt::Key_Right, 2), (std::vector<int>{15, 17}));
    EXPECT_EQ(caretsAfter(Qt::Key_Left, 3), (std::vector<int>{15, 12, 11}));
    EXPECT_EQ(text(), "<a href=\"x\">go on</a>");
}

TEST_F(EditBoxWordKeys, ShiftControlArrowsExtendAndShrinkTheSelection) {
    setText("one two three");
    box->SetSelection(4, 4, true);
    press(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 4);
    EXPECT_EQ(selection().caret, 13);
    press(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 4);
    EXPECT_EQ(selection().caret, 8);
    // Past the anchor the selection turns round.
    press(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 0);
    EXPECT_EQ(selection().caret, 4);
}

TEST_F(EditBoxWordKeys, PlainControlArrowsCollapseTheSelectionOnTheirSide) {
    setText("one two three");
    box->SetSelection(5, 6, true);
    press(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(selection().start, 8);
    EXPECT_EQ(selection().caret, 8);
    box->SetSelection(5, 10, true);
    press(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(selection().start, 4);
    EXPECT_EQ(selection().caret, 4);
}

TEST_F(EditBoxWordKeys, ShiftPageKeysExtendByFifteenLinesAndPlainOnesMove) {
    setText(numberedLines(60));
    const TextModel& model = box->model();
    box->SetSelection(model.LineStart(2), model.LineStart(2), true);
    press(Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(selection().start, model.LineStart(2));
    EXPECT_EQ(selection().caret, model.LineStart(2 + CMyEditBox::PageKeyLines));
    press(Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(selection().caret, model.LineStart(2 + 2 * CMyEditBox::PageKeyLines));
    press(Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(selection().start, model.LineStart(2));
    EXPECT_EQ(selection().caret, model.LineStart(2 + CMyEditBox::PageKeyLines));
    press(Qt::Key_PageDown, Qt::NoModifier);
    EXPECT_EQ(selection().start, selection().caret);
    EXPECT_EQ(model.LineOfOffset(), 2 + 2 * CMyEditBox::PageKeyLines);
}

} // namespace
