#include "editor/TagTextInsertion.h"

#include <gtest/gtest.h>

namespace {

TextModel modelWith(std::string_view text, int start, int end) {
    TextModel model;
    model.ReplaceRange(0, 0, text);
    model.SetSelection(start, end);
    return model;
}

struct InsertCase {
    const char* name;
    int start;
    int end;
    bool closing;
    const char* expected;
    int caret;
};

class TagTextInsertionCase : public ::testing::TestWithParam<InsertCase> {};

TEST_P(TagTextInsertionCase, ReplacesTheSelectionAndPutsTheCaretAfter) {
    const InsertCase& row = GetParam();
    TextModel model = modelWith("abcdef", row.start, row.end);
    const EditResult result = row.closing ? TagTextInsertion::CloseTag(model, "</B>", false)
                                          : TagTextInsertion::Insert(model, "<A HREF=x>", false);
    ASSERT_EQ(result, EditResult::Done);
    EXPECT_EQ(model.text(), row.expected);
    EXPECT_EQ(model.GetSelection().start, row.caret);
    EXPECT_EQ(model.GetSelection().caret, row.caret);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "abcdef");
}

INSTANTIATE_TEST_SUITE_P(
    Selections, TagTextInsertionCase,
    ::testing::Values(InsertCase{"AtTheCaret", 2, 2, false, "ab<A HREF=x>cdef", 12},
                      InsertCase{"OverASelection", 1, 4, false, "a<A HREF=x>ef", 11},
                      InsertCase{"AtTheEnd", 6, 6, false, "abcdef<A HREF=x>", 16},
                      InsertCase{"ClosingOverASelection", 0, 6, true, "</B>", 4},
                      InsertCase{"ClosingAtTheStart", 0, 0, true, "</B>abcdef", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TagTextInsertion, AroundAnEmptySelectionPutsBothTagsTogether) {
    TextModel model = modelWith("ab", 1, 1);
    ASSERT_EQ(TagTextInsertion::Around(model, "<A HREF=x.html>", "A", false), EditResult::Done);
    EXPECT_EQ(model.text(), "a<A HREF=x.html></A>b");
    EXPECT_EQ(model.GetSelection().caret, 16);
}

TEST(TagTextInsertion, PastTheCapacityNothingChanges) {
    const std::string full(TextModel::Capacity - 3, 'x');
    for (int useMarks = 0; useMarks < 2; ++useMarks) {
        TextModel model = modelWith(full, 0, 1);
        model.MarkSelection();
        EXPECT_EQ(TagTextInsertion::Insert(model, "<ABBR>", useMarks), EditResult::TooLong);
        EXPECT_EQ(TagTextInsertion::CloseTag(model, "</ABBR>", useMarks), EditResult::TooLong);
        EXPECT_EQ(TagTextInsertion::Around(model, "<B>", "B", useMarks), EditResult::TooLong);
        EXPECT_EQ(model.text(), full);
        EXPECT_EQ(model.undoList().size(), 1u);
    }
}

} // namespace
