#include "editor/TextModel.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Types one character at the caret the way the editor widget does.
void type(TextModel& model, char c) {
    model.ReplaceSelection(std::string_view(&c, 1));
    const int caret = model.GetSelection().start + 1;
    model.SetSelection(caret, caret);
}

TEST(Undo, EmptyListsDoNothing) {
    TextModel model;
    EXPECT_FALSE(model.Undo());
    EXPECT_FALSE(model.Redo());
    EXPECT_FALSE(model.isModified());
}

TEST(Undo, TwoTypedCharactersUndoneAndRedone) {
    TextModel model;
    type(model, 'a');
    type(model, 'b');
    EXPECT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "a");
    EXPECT_EQ(model.GetSelection().caret, 1);
    EXPECT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "");
    EXPECT_FALSE(model.Undo());
    EXPECT_EQ(model.redoList().size(), 2u);
    EXPECT_TRUE(model.undoList().empty());

    EXPECT_TRUE(model.Redo());
    EXPECT_EQ(model.text(), "a");
    EXPECT_TRUE(model.Redo());
    EXPECT_EQ(model.text(), "ab");
    EXPECT_EQ(model.GetSelection().caret, 2);
    EXPECT_FALSE(model.Redo());
    EXPECT_EQ(model.undoList().size(), 2u);
}

TEST(Undo, TypingAfterUndoEmptiesTheRedoList) {
    TextModel model;
    type(model, 'a');
    type(model, 'b');
    model.Undo();
    ASSERT_EQ(model.redoList().size(), 1u);
    type(model, 'c');
    EXPECT_TRUE(model.redoList().empty());
    EXPECT_FALSE(model.Redo());
    EXPECT_EQ(model.text(), "ac");
}

TEST(Undo, RedoKeepsTheRestOfTheRedoList) {
    TextModel model;
    type(model, 'a');
    type(model, 'b');
    model.Undo();
    model.Undo();
    model.Redo();
    EXPECT_EQ(model.redoList().size(), 1u);
    EXPECT_EQ(model.undoList().size(), 1u);
}

TEST(Undo, OnlyTheNewest99StepsAreKept) {
    TextModel model;
    for (int i = 0; i < 150; ++i) {
        type(model, static_cast<char>('a' + i % 26));
    }
    EXPECT_EQ(model.undoList().size(), TextModel::MaxUndoSteps);
    int undone = 0;
    while (model.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, 99);
    EXPECT_EQ(model.length(), 51);
    EXPECT_EQ(model.redoList().size(), TextModel::MaxUndoSteps);
}

TEST(Undo, UndoOfAReplacedSelectionRestoresTextAndSelection) {
    TextModel model;
    model.ReplaceRange(0, 0, "hello world");
    model.SetSelection(6, 11);
    model.ReplaceSelection("there!");
    model.SetSelection(12, 12);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "hello world");
    EXPECT_EQ(model.GetSelection().start, 6);
    EXPECT_EQ(model.GetSelection().caret, 11);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.text(), "hello there!");
    EXPECT_EQ(model.GetSelection().start, 12); // as it was when the undo ran
    EXPECT_EQ(model.GetSelection().caret, 12);
}

TEST(Undo, RecordHoldsTheRemovedBytesAndTheSelectionBefore) {
    TextModel model;
    model.ReplaceRange(0, 0, "xxabcyy");
    model.SetSelection(2, 5);
    model.ReplaceRange(2, 5, "Q");
    const CUndoRecord& step = model.undoList().front().records.front();
    EXPECT_EQ(step.text, "abc");
    EXPECT_EQ(step.start, 2);
    EXPECT_EQ(step.length, 1);
    EXPECT_EQ(step.selectionStart, 2);
    EXPECT_EQ(step.caret, 5);
}

TEST(Undo, UndoneTextHasColourZeroAndSetsModified) {
    TextModel model;
    model.ReplaceRange(0, 0, "abcd");
    model.SetAttributes(0, 4, 7);
    model.ReplaceRange(1, 3, "");
    model.setModified(false);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "abcd");
    EXPECT_EQ(model.attributes(), (std::vector<std::uint8_t>{7, 0, 0, 7}));
    EXPECT_TRUE(model.isModified());
}

TEST(Undo, UndoDropsMarksInsideTheUndoneRangeAndMovesTheOthers) {
    TextModel model;
    model.ReplaceRange(0, 0, "ab");
    model.ReplaceRange(1, 1, "XYZ"); // aXYZb
    model.AddMark(
        CMarkRecord{CMarkRecord::KindUser, 1, 4, attrIndex(Attr::Mark), "inside", nullptr});
    model.AddMark(
        CMarkRecord{CMarkRecord::KindUser, 4, 5, attrIndex(Attr::Mark), "after", nullptr});
    ASSERT_TRUE(model.Undo());
    ASSERT_EQ(model.marks().size(), 1u);
    EXPECT_EQ(model.marks()[0].reason, "after");
    EXPECT_EQ(model.marks()[0].start, 1);
    EXPECT_EQ(model.marks()[0].end, 2);
    EXPECT_EQ(model.GetRangeText(1, 2), "b");
}

TEST(Undo, LongMixedSequenceReturnsThroughEveryState) {
    TextModel model;
    std::vector<std::string> states{model.text()};
    model.ReplaceRange(0, 0, "<p>hello</p>");
    states.push_back(model.text());
    model.ReplaceRange(3, 8, "bye");
    states.push_back(model.text());
    model.ReplaceRange(0, 3, "");
    states.push_back(model.text());
    model.ReplaceRange(3, 3, "\nnext line");
    states.push_back(model.text());
    for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
        ASSERT_TRUE(model.Undo());
        EXPECT_EQ(model.text(), *state);
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(model.Redo());
        EXPECT_EQ(model.text(), states[i]);
    }
}

TEST(UndoSteps, ContinuedEditsJoinOneStepThatUndoAndRedoTakeWhole) {
    TextModel model;
    model.ReplaceRange(0, 0, "abcdef");
    model.SetSelection(1, 3);
    // Overlapping edits: each one must be reversed in the right order.
    model.ReplaceRange(1, 3, "XYZ", {}, UndoMode::Edit, true);            // aXYZdef
    model.ReplaceRange(2, 5, "", {}, UndoMode::EditContinued, true);      // aXef
    model.ReplaceRange(0, 4, "12345", {}, UndoMode::EditContinued, true); // 12345
    model.SetSelection(5, 5);
    ASSERT_EQ(model.undoList().size(), 2u);
    EXPECT_EQ(model.undoList().front().records.size(), 3u);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(model.Undo());
        EXPECT_EQ(model.text(), "abcdef");
        EXPECT_EQ(model.GetSelection().start, 1) << "the selection before the first edit";
        EXPECT_EQ(model.GetSelection().caret, 3);
        ASSERT_TRUE(model.Redo());
        EXPECT_EQ(model.text(), "12345");
        EXPECT_EQ(model.undoList().size(), 2u);
        EXPECT_TRUE(model.redoList().empty());
    }
}

TEST(UndoSteps, AContinuedEditClearsTheRedoListAndStartsAStepWhenThereIsNone) {
    TextModel model;
    model.ReplaceRange(0, 0, "a", {}, UndoMode::EditContinued, true);
    EXPECT_EQ(model.undoList().size(), 1u);
    ASSERT_TRUE(model.Undo());
    ASSERT_EQ(model.redoList().size(), 1u);
    model.ReplaceRange(0, 0, "b");
    model.ReplaceRange(1, 1, "c", {}, UndoMode::EditContinued, true);
    EXPECT_TRUE(model.redoList().empty());
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "");
}

} // namespace
