#include "editor/TagInsertion.h"

#include "ModelHelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(InsertTagPair, BoldAroundASelectedLetterKeepsItSelected) {
    TextModel model = modelWith("axb");
    model.SetSelection(1, 2);
    EXPECT_EQ(TagInsertion::InsertTagPair(model, "B", "B", false), EditResult::Done);
    EXPECT_EQ(model.text(), "a<B>x</B>b");
    EXPECT_EQ(model.GetSelectedText(), "x");
    EXPECT_TRUE(model.isModified());
}

TEST(InsertTagPair, EmptySelectionPutsTheCaretBetweenTheTags) {
    TextModel model = modelWith("ab");
    model.SetSelection(1, 1);
    TagInsertion::InsertTagPair(model, "B", "", false);
    EXPECT_EQ(model.text(), "a<B></B>b");
    EXPECT_EQ(model.GetSelection().start, 4);
    EXPECT_EQ(model.GetSelection().caret, 4);
}

TEST(InsertTagPair, EmptyClosingNameRepeatsTheOpeningName) {
    TextModel model = modelWith("title");
    model.SelectAll();
    TagInsertion::InsertTagPair(model, "H3", "", false);
    EXPECT_EQ(model.text(), "<H3>title</H3>");
    TagInsertion::InsertTagPair(model, "FONT SIZE=2", "FONT", false);
    EXPECT_EQ(model.text(), "<H3><FONT SIZE=2>title</FONT></H3>");
}

TEST(InsertTagPair, UndoRestoresTextAndSelection) {
    TextModel model = modelWith("axb");
    model.SetSelection(1, 2);
    TagInsertion::InsertTagPair(model, "I", "", false);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "axb");
    EXPECT_EQ(model.GetSelection().start, 1);
    EXPECT_EQ(model.GetSelection().caret, 2);
}

TEST(InsertTagPair, WithMarksEveryUserMarkIsWrappedAndKeepsItsText) {
    TextModel model = modelWith("one two three");
    model.AddMark(userMark(0, 3));
    model.AddMark(CMarkRecord{CMarkRecord::KindErrorLog, 4, 7, 6, "error", nullptr});
    model.AddMark(userMark(8, 13));
    model.SetSelection(5, 6);
    EXPECT_EQ(TagInsertion::InsertTagPair(model, "B", "", true), EditResult::Done);
    EXPECT_EQ(model.text(), "<B>one</B> two <B>three</B>");
    EXPECT_EQ(markedText(model, 0), "one");
    EXPECT_EQ(markedText(model, 1), "two");
    EXPECT_EQ(markedText(model, 2), "three");
    EXPECT_EQ(model.GetSelectedText(), "w") << "the selection stays on its text";
}

// Marks inside a wrapped mark stay on their text: an error mark there, and a
// user mark within another, which is then wrapped where its text now is.
TEST(InsertTagPair, WithMarksTheMarksInsideAWrappedMarkKeepTheirText) {
    TextModel model = modelWith("one two three");
    model.AddMark(userMark(0, 13));
    model.AddMark(CMarkRecord{CMarkRecord::KindErrorLog, 4, 7, 6, "error", nullptr});
    model.AddMark(userMark(8, 13));
    EXPECT_EQ(TagInsertion::InsertTagPair(model, "B", "", true), EditResult::Done);
    EXPECT_EQ(model.text(), "<B>one two <B>three</B></B>");
    EXPECT_EQ(markedText(model, 0), "one two <B>three</B>");
    EXPECT_EQ(markedText(model, 1), "two");
    EXPECT_EQ(markedText(model, 2), "three");
}

TEST(InsertTagPair, WithMarksAllTheMarksAreOneUndoStep) {
    TextModel model = modelWith("one two");
    model.AddMark(userMark(0, 3));
    model.AddMark(userMark(4, 7));
    TagInsertion::InsertTagPair(model, "U", "", true);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "one two");
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.text(), "<U>one</U> <U>two</U>");
}

TEST(InsertTagPair, WithMarksButNoneNothingChanges) {
    TextModel model = modelWith("text");
    model.SelectAll();
    EXPECT_EQ(TagInsertion::InsertTagPair(model, "B", "", true), EditResult::Done);
    EXPECT_EQ(model.text(), "text");
    EXPECT_FALSE(model.isModified());
}

TEST(WrapSelection, LineBreakAndParagraphOnMarks) {
    TextModel model = modelWith("ab cd");
    model.AddMark(userMark(0, 2));
    model.AddMark(userMark(3, 5));
    TagInsertion::WrapSelection(model, "", "<BR>", true);
    EXPECT_EQ(model.text(), "ab<BR> cd<BR>");
    EXPECT_EQ(markedText(model, 0), "ab");
    EXPECT_EQ(markedText(model, 1), "cd");
    TagInsertion::WrapSelection(model, "<P>", "", true);
    EXPECT_EQ(model.text(), "<P>ab<BR> <P>cd<BR>");
    EXPECT_EQ(markedText(model, 1), "cd");
}

TEST(WrapSelection, AnEmptyMarkGetsBothTextsAndStaysBetweenThem) {
    TextModel model = modelWith("ab");
    model.AddMark(userMark(1, 1));
    TagInsertion::WrapSelection(model, "<B>", "</B>", true);
    EXPECT_EQ(model.text(), "a<B></B>b");
    EXPECT_EQ(model.marks().at(0).start, 4);
    EXPECT_EQ(model.marks().at(0).end, 4);
}

TEST(WrapSelection, GrowthPastTheLimitChangesNothing) {
    const std::string text(TextModel::Capacity - 7, 'x');
    TextModel model = modelWith(text);
    model.SetSelection(2, 4);
    EXPECT_EQ(TagInsertion::WrapSelection(model, "<B>", "</B>", false), EditResult::Done);
    EXPECT_EQ(model.length(), TextModel::Capacity) << "exactly full is allowed";

    TextModel marked = modelWith(text);
    marked.AddMark(userMark(0, 1));
    marked.AddMark(userMark(5, 6));
    const std::size_t steps = marked.undoList().size();
    EXPECT_EQ(TagInsertion::WrapSelection(marked, "<B>", "</B>", true), EditResult::TooLong);
    EXPECT_EQ(marked.text(), text) << "the first mark would have fitted, but nothing changes";
    EXPECT_EQ(marked.marks()[0].end, 1);
    EXPECT_EQ(marked.undoList().size(), steps);
    EXPECT_FALSE(marked.isModified());
}

} // namespace
