#include "ModelHelpers.h"
#include "editor/FindReplace.h"
#include "editor/TagInsertion.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

constexpr int Matches = 1000;

// "ab " a thousand times after a leading "x", optionally with a user mark
// over every "ab".
TextModel manyMatches(bool marked) {
    std::string text = "x";
    for (int i = 0; i < Matches; ++i) {
        text += "ab ";
    }
    TextModel model = modelWith(text);
    if (marked) {
        FindReplace::MarkAll(model, "ab", true);
    }
    model.SetSelection(0, 1);
    return model;
}

struct ManyEditsCommand {
    const char* name;
    bool marked;
    std::function<void(TextModel&)> run;
};

void PrintTo(const ManyEditsCommand& command, std::ostream* out) {
    *out << command.name;
}

class ManyEdits : public ::testing::TestWithParam<ManyEditsCommand> {};

TEST_P(ManyEdits, UndoAndRedoTakeTheWholeCommand) {
    TextModel model = manyMatches(GetParam().marked);
    const std::string before = model.text();
    const std::size_t steps = model.undoList().size();
    GetParam().run(model);
    const std::string after = model.text();
    ASSERT_NE(after, before);
    EXPECT_EQ(model.undoList().size(), steps + 1);

    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), before);
    EXPECT_EQ(model.GetSelection().start, 0) << "the selection before the command";
    EXPECT_EQ(model.GetSelection().caret, 1);
    EXPECT_EQ(model.redoList().size(), 1u);

    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.text(), after);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), before);
}

TEST_P(ManyEdits, TheStepLimitCountsTheCommandOnce) {
    TextModel model = manyMatches(GetParam().marked);
    const std::string before = model.text();
    GetParam().run(model);
    for (std::size_t i = 0; i + 1 < TextModel::MaxUndoSteps; ++i) {
        model.ReplaceRange(0, 0, "t");
    }
    for (std::size_t i = 0; i < TextModel::MaxUndoSteps; ++i) {
        ASSERT_TRUE(model.Undo()) << i;
    }
    EXPECT_EQ(model.text(), before);
    EXPECT_FALSE(model.Undo()) << "the step that loaded the text was the oldest: it went";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ManyEdits,
    ::testing::Values(
        ManyEditsCommand{
            "ReplaceAll", false,
            [](TextModel& model) { FindReplace::ReplaceAll(model, "ab", "ABC", true); }},
        ManyEditsCommand{"PromptedReplaceAll", false,
                         [](TextModel& model) {
                             FindReplace::ReplaceAll(model, "ab", "", true, [](int start, int) {
                                 return start % 2 == 0 ? ReplaceAnswer::Yes : ReplaceAnswer::No;
                             });
                         }},
        ManyEditsCommand{"ReplaceMarks", true,
                         [](TextModel& model) { FindReplace::ReplaceMarks(model, "<", ">", "Z"); }},
        ManyEditsCommand{
            "WrapMarks", true,
            [](TextModel& model) { TagInsertion::InsertTagPair(model, "B", "", true); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the selection of a command over marks -------------------------------------

// Each row: a selection in "one two three" with user marks over "one" and
// "three", and what it holds after the command: the same text, or nothing
// when the command rewrote part of it.
struct SelectionCase {
    int start;
    int caret;
    const char* selected;
};

const SelectionCase SelectionCases[] = {
    {4, 7, "two"},    // between the marks
    {0, 3, "one"},    // exactly a mark
    {1, 2, "n"},      // inside a mark
    {7, 7, ""},       // a caret just before the second mark
    {8, 13, "three"}, // the second mark
    {2, 5, ""},       // across the end of a mark: it collapses
    {0, 13, ""},      // everything
};

void expectSelectionKept(const TextModel& model, const SelectionCase& row) {
    EXPECT_EQ(model.GetSelectedText(), row.selected);
    if (std::string(row.selected).empty()) {
        EXPECT_EQ(model.GetSelection().start, model.GetSelection().caret);
    }
    EXPECT_LE(model.GetSelection().caret, model.length());
}

TextModel twoMarked(const SelectionCase& row) {
    TextModel model = modelWith("one two three");
    model.AddMark(userMark(0, 3));
    model.AddMark(userMark(8, 13));
    model.SetSelection(row.start, row.caret);
    return model;
}

TEST(SelectionOverMarks, WrappingTheMarksKeepsTheSelectionOnItsText) {
    for (const SelectionCase& row : SelectionCases) {
        SCOPED_TRACE(std::to_string(row.start) + "-" + std::to_string(row.caret));
        TextModel model = twoMarked(row);
        ASSERT_EQ(TagInsertion::InsertTagPair(model, "B", "", true), EditResult::Done);
        ASSERT_EQ(model.text(), "<B>one</B> two <B>three</B>");
        expectSelectionKept(model, row);
    }
}

TEST(SelectionOverMarks, ReplacingTheMarksKeepsTheSelectionOnItsText) {
    for (const SelectionCase& row : SelectionCases) {
        SCOPED_TRACE(std::to_string(row.start) + "-" + std::to_string(row.caret));
        TextModel model = twoMarked(row);
        ASSERT_EQ(FindReplace::ReplaceMarks(model, "[", "]", ""), EditResult::Done);
        ASSERT_EQ(model.text(), "[one] two [three]");
        expectSelectionKept(model, row);
    }
}

TEST(SelectionOverMarks, ReplaceAllKeepsTheSelectionOnItsText) {
    TextModel model = modelWith("one two one");
    model.SetSelection(4, 7);
    FindReplace::ReplaceAll(model, "one", "1", true);
    EXPECT_EQ(model.text(), "1 two 1");
    EXPECT_EQ(model.GetSelectedText(), "two");
}

} // namespace
