#include "app/FormatCommandTable.h"

#include "app/CommandIds.h"

#include <gtest/gtest.h>

namespace {

TextModel modelWith(std::string_view text, int start, int end) {
    TextModel model;
    model.ReplaceRange(0, 0, text);
    model.SetSelection(start, end);
    return model;
}

// Runs a Format command as the document window does: by its row's tag.
EditResult runFormat(int id, TextModel& model, bool useMarks) {
    const FormatTag* tag = FindFormatTag(id);
    return tag == nullptr ? EditResult::BadRange : FormatCommands::run(*tag, model, useMarks);
}

} // namespace

TEST(FormatCommands, BoldWrapsTheSelectionAndKeepsItSelected) {
    TextModel model = modelWith("axb", 1, 2);
    ASSERT_EQ(runFormat(Cmd::Bold, model, false), EditResult::Done);
    EXPECT_EQ(model.text(), "a<B>x</B>b");
    EXPECT_EQ(model.GetSelectedText(), "x");
}

TEST(FormatCommands, HeaderThreeAndAnEmptySelection) {
    TextModel model = modelWith("title", 0, 5);
    runFormat(Cmd::Header1 + 2, model, false);
    EXPECT_EQ(model.text(), "<H3>title</H3>");

    TextModel empty = modelWith("", 0, 0);
    runFormat(Cmd::Italic, empty, false);
    EXPECT_EQ(empty.text(), "<I></I>");
    EXPECT_EQ(empty.GetSelection().caret, 3);
}

TEST(FormatCommands, LineBreakReplacesTheSelectionAndPutsTheCaretAfterIt) {
    TextModel model = modelWith("abcdef", 1, 4);
    ASSERT_EQ(runFormat(Cmd::LineBreak, model, false), EditResult::Done);
    EXPECT_EQ(model.text(), "a<BR>ef");
    EXPECT_EQ(model.GetSelection().start, 5);
    EXPECT_EQ(model.GetSelection().caret, 5);
    model.Undo();
    EXPECT_EQ(model.text(), "abcdef");
}

TEST(FormatCommands, WithMarksLineBreakFollowsAndParagraphPrecedesEveryMarkedText) {
    TextModel model = modelWith("one two", 0, 3);
    model.MarkSelection();
    model.SetSelection(4, 7);
    model.MarkSelection();
    ASSERT_EQ(runFormat(Cmd::LineBreak, model, true), EditResult::Done);
    EXPECT_EQ(model.text(), "one<BR> two<BR>");
    ASSERT_EQ(runFormat(Cmd::Paragraph, model, true), EditResult::Done);
    EXPECT_EQ(model.text(), "<P>one<BR> <P>two<BR>");
}

TEST(FormatCommands, AWrapPastTheCapacityChangesNothing) {
    TextModel model = modelWith(std::string(TextModel::Capacity - 3, 'x'), 0, 1);
    EXPECT_EQ(runFormat(Cmd::Center, model, false), EditResult::TooLong);
    EXPECT_EQ(model.length(), TextModel::Capacity - 3);
    EXPECT_EQ(model.undoList().size(), 1u);
}
