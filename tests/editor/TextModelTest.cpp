#include "editor/TextModel.h"

#include "ModelHelpers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(TextModelLines, EmptyDocumentHasOneLineThatHasNoStart) {
    TextModel model;
    EXPECT_EQ(model.LineCount(), 1);
    EXPECT_EQ(model.LineStart(0), -1);
    EXPECT_EQ(model.LineOfOffset(0), 0);
    EXPECT_EQ(model.LineStartOf(0), 0);
    EXPECT_EQ(model.GetLineText(0), "");
    EXPECT_EQ(model.LeadingTabs(0), 0);
}

TEST(TextModelLines, LineAfterFinalLineFeedExistsButHasNoStart) {
    TextModel model = modelWith("ab\ncd\n");
    EXPECT_EQ(model.LineCount(), 3);
    EXPECT_EQ(model.LineStart(0), 0);
    EXPECT_EQ(model.LineStart(1), 3);
    EXPECT_EQ(model.LineStart(2), -1);
    EXPECT_EQ(model.GetLineText(1), "cd");
    EXPECT_EQ(model.GetLineText(2), "");
    EXPECT_EQ(model.LineOfOffset(6), 2);
}

TEST(TextModelLines, LinesPastTheEndOrNegativeDoNotExist) {
    TextModel model = modelWith("a\nb");
    EXPECT_EQ(model.LineStart(1), 2);
    EXPECT_EQ(model.LineStart(2), -1);
    EXPECT_EQ(model.LineStart(50), -1);
    EXPECT_EQ(model.LineStart(-1), -1);
    EXPECT_EQ(model.GetLineText(2), "");
    EXPECT_EQ(model.GetLineText(-3), "");
    EXPECT_EQ(model.GetLineText(0), "a");
    EXPECT_EQ(model.GetLineText(1), "b");
}

TEST(TextModelLines, LineOfOffsetCountsLineFeedsBeforeTheOffset) {
    TextModel model = modelWith("a\nb\nc");
    EXPECT_EQ(model.LineOfOffset(1), 0); // on the line feed itself
    EXPECT_EQ(model.LineOfOffset(2), 1);
    EXPECT_EQ(model.LineOfOffset(5), 2);
    EXPECT_EQ(model.LineOfOffset(500), 2);
    model.SetSelection(3, 4);
    EXPECT_EQ(model.LineOfOffset(-1), 2);
    EXPECT_EQ(model.LineOfOffset(), 2);
    model.SetSelection(0, 0);
    EXPECT_EQ(model.LineOfOffset(-1), 0);
}

TEST(TextModelLines, LineStartOfAndLeadingTabsUseTheLineThatHoldsTheOffset) {
    TextModel model = modelWith("\t\tab\n\tc\n\t\t\t");
    EXPECT_EQ(model.LineStartOf(4), 0); // the line feed belongs to the line it ends
    EXPECT_EQ(model.LineStartOf(5), 5);
    EXPECT_EQ(model.LineStartOf(7), 5);
    EXPECT_EQ(model.LeadingTabs(4), 2);
    EXPECT_EQ(model.LeadingTabs(6), 1);
    EXPECT_EQ(model.LeadingTabs(0), 2);
    EXPECT_EQ(model.LeadingTabs(model.length()), 3); // tabs up to the end of the text
}

TEST(TextModelLines, LineCountCountsEveryLineFeed) {
    EXPECT_EQ(modelWith("\n\n\n").LineCount(), 4);
    EXPECT_EQ(modelWith("no line feed").LineCount(), 1);
}

TEST(TextModelLines, CountsStayExactOverManyLineFeeds) {
    TextModel model = modelWith(std::string(600, '\n') + "tail");
    EXPECT_EQ(model.LineCount(), 601);
    EXPECT_EQ(model.LineOfOffset(255), 255);
    EXPECT_EQ(model.LineOfOffset(256), 256);
    EXPECT_EQ(model.LineOfOffset(model.length()), 600);
    EXPECT_EQ(model.LineStart(600), 600);
    EXPECT_EQ(model.GetLineText(600), "tail");
}

TEST(TextModelReplace, ReplacementMovesTrailingAttributesAndClearsNewOnes) {
    TextModel model = modelWith("xxabcyy");
    model.SetAttributes(0, 2, 1);
    model.SetAttributes(2, 5, 2);
    model.SetAttributes(5, 7, 3);
    EXPECT_EQ(model.ReplaceRange(2, 5, "Q"), EditResult::Done);
    EXPECT_EQ(model.text(), "xxQyy");
    EXPECT_EQ(model.attributes(), (Bytes{1, 1, 0, 3, 3}));
}

TEST(TextModelReplace, GrowingReplacementMovesTrailingAttributesRight) {
    TextModel model = modelWith("xQy");
    model.SetAttributes(2, 3, 5);
    const Bytes colours{7, 8, 9};
    model.ReplaceRange(1, 2, "abc", colours, UndoMode::Edit, true);
    EXPECT_EQ(model.text(), "xabcy");
    EXPECT_EQ(model.attributes(), (Bytes{0, 7, 8, 9, 5}));
}

TEST(TextModelReplace, ShortAttributeArgumentLeavesTheRestAtZero) {
    TextModel model = modelWith("__");
    const Bytes colours{4};
    model.ReplaceRange(1, 1, "ab", colours, UndoMode::Edit, true);
    EXPECT_EQ(model.attributes(), (Bytes{0, 4, 0, 0}));
}

TEST(TextModelReplace, EmptyReplacementStillRecordsAStepAndSetsModified) {
    TextModel model = modelWith("abc");
    const auto steps = model.undoList().size();
    EXPECT_EQ(model.ReplaceRange(1, 1, ""), EditResult::Done);
    EXPECT_EQ(model.text(), "abc");
    EXPECT_TRUE(model.isModified());
    EXPECT_EQ(model.undoList().size(), steps + 1);
}

TEST(TextModelReplace, ZeroBytesAreTextLikeAnyOther) {
    TextModel model = modelWith(std::string_view("a\0c", 3));
    EXPECT_EQ(model.length(), 3);
    EXPECT_EQ(model.GetRangeText(0, 3), std::string("a\0c", 3));
    model.ReplaceRange(3, 3, std::string_view("\0", 1));
    EXPECT_EQ(model.length(), 4);
    EXPECT_EQ(model.attributes().size(), 4u);
}

TEST(TextModelReplace, RangeOutsideTheTextIsRefusedAndChangesNothing) {
    TextModel model = modelWith("abc");
    const auto generation = model.generation();
    EXPECT_EQ(model.ReplaceRange(2, 1, "x"), EditResult::BadRange);
    EXPECT_EQ(model.ReplaceRange(-1, 1, "x"), EditResult::BadRange);
    EXPECT_EQ(model.ReplaceRange(2, 4, "x"), EditResult::BadRange);
    EXPECT_EQ(model.text(), "abc");
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(model.undoList().size(), 1u);
    EXPECT_EQ(model.generation(), generation);
}

TEST(TextModelReplace, GenerationGrowsWithEveryTextChangeOnly) {
    TextModel model;
    const auto start = model.generation();
    model.ReplaceRange(0, 0, "ab");
    const auto afterInsert = model.generation();
    EXPECT_GT(afterInsert, start);
    model.SetAttributes(0, 2, 3);
    model.SetSelection(0, 1);
    EXPECT_EQ(model.generation(), afterInsert);
    model.Undo();
    EXPECT_GT(model.generation(), afterInsert);
}

TEST(TextModelReplace, LastChangeSaysWhatTheNewestGenerationChanged) {
    TextModel model;
    auto expectChange = [&model](int start, int removed, int inserted) {
        const TextChange change = model.lastChange();
        EXPECT_EQ(change.start, start);
        EXPECT_EQ(change.removed, removed);
        EXPECT_EQ(change.inserted, inserted);
    };
    model.ReplaceRange(0, 0, "abcdef");
    expectChange(0, 0, 6);
    model.ReplaceRange(1, 4, "X");
    expectChange(1, 3, 1);
    model.OverwriteBytes(2, "EF");
    expectChange(2, 2, 2);
    model.RewriteInPlace(0, "A");
    expectChange(0, 1, 1);
    model.Undo();
    expectChange(0, 1, 1);
    model.Undo();
    expectChange(1, 1, 3); // the undo put the three bytes back
}

class TextModelCapacity : public ::testing::Test {
protected:
    void SetUp() override {
        model.ReplaceRange(0, 0, std::string(TextModel::Capacity - 1, 'a'));
        model.ReplaceRange(0, 1, "b");
        model.Undo();
        model.SetAttributes(0, 10, 5);
        model.AddMark(
            CMarkRecord{CMarkRecord::KindUser, 2, 6, attrIndex(Attr::Mark), "m", nullptr});
        model.SetSelection(2, 6);
        model.setModified(false);
    }

    void expectUnchanged() const {
        EXPECT_EQ(model.length(), TextModel::Capacity - 1);
        EXPECT_EQ(model.attributes().size(), static_cast<std::size_t>(TextModel::Capacity - 1));
        EXPECT_EQ(model.attributes()[9], 5);
        ASSERT_EQ(model.marks().size(), 1u);
        EXPECT_EQ(model.marks()[0].start, 2);
        EXPECT_EQ(model.marks()[0].end, 6);
        EXPECT_EQ(model.undoList().size(), 1u);
        EXPECT_EQ(model.redoList().size(), 1u);
        EXPECT_FALSE(model.isModified());
        EXPECT_EQ(model.generation(), generation);
    }

    TextModel model;
    std::uint64_t generation = 0;
};

TEST_F(TextModelCapacity, EditPastTheLimitIsRefusedAndChangesNothing) {
    generation = model.generation();
    EXPECT_EQ(model.ReplaceRange(0, 0, "xy"), EditResult::TooLong);
    EXPECT_EQ(model.ReplaceRange(2, 6, "123456"), EditResult::TooLong);
    EXPECT_EQ(model.ReplaceSelection("123456"), EditResult::TooLong);
    expectUnchanged();
}

TEST_F(TextModelCapacity, EditUpToTheLimitIsAccepted) {
    EXPECT_EQ(model.ReplaceRange(0, 0, "x"), EditResult::Done);
    EXPECT_EQ(model.length(), TextModel::Capacity);
    EXPECT_EQ(model.ReplaceRange(0, 1, "y"), EditResult::Done);
    EXPECT_EQ(model.ReplaceRange(0, 0, "z"), EditResult::TooLong);
    EXPECT_EQ(model.length(), TextModel::Capacity);
}

TEST(TextModelSelection, SetSelectionKeepsBothEndsInsideTheTextAndInOrder) {
    TextModel model = modelWith("hello");
    model.SetSelection(4, 1);
    EXPECT_EQ(model.GetSelection().start, 1);
    EXPECT_EQ(model.GetSelection().caret, 4);
    model.SetSelection(-5, 99);
    EXPECT_EQ(model.GetSelection().start, 0);
    EXPECT_EQ(model.GetSelection().caret, 5);
}

TEST(TextModelSelection, SelectionIsHalfOpen) {
    TextModel model = modelWith("hello");
    model.SetSelection(1, 3);
    EXPECT_EQ(model.GetSelectedText(), "el");
    EXPECT_FALSE(model.IsInSelection(0));
    EXPECT_TRUE(model.IsInSelection(1));
    EXPECT_TRUE(model.IsInSelection(2));
    EXPECT_FALSE(model.IsInSelection(3));
    model.SetSelection(2, 2);
    EXPECT_FALSE(model.IsInSelection(2));
    EXPECT_EQ(model.GetSelectedText(), "");
}

TEST(TextModelSelection, SelectAllCoversTheWholeText) {
    TextModel model = modelWith("a\nb");
    model.SelectAll();
    EXPECT_EQ(model.GetSelection().start, 0);
    EXPECT_EQ(model.GetSelection().caret, 3);
    EXPECT_EQ(model.GetSelectedText(), "a\nb");
}

TEST(TextModelSelection, ReplaceSelectionReplacesItButLeavesTheCaretToTheCaller) {
    TextModel model = modelWith("hello world");
    model.SetSelection(6, 11);
    EXPECT_EQ(model.ReplaceSelection("there"), EditResult::Done);
    EXPECT_EQ(model.text(), "hello there");
    EXPECT_EQ(model.GetSelection().start, 6);
    EXPECT_EQ(model.GetSelection().caret, 11);
}

TEST(TextModelSelection, StaleSelectionPastTheEndReadsNothingOutside) {
    TextModel model = modelWith("hello");
    model.SetSelection(3, 5);
    model.ReplaceRange(0, 5, "");
    EXPECT_EQ(model.GetSelectedText(), "");
    EXPECT_EQ(model.GetRangeText(-4, 40), "");
}

TEST(TextModelAttributes, RangeOutsideTheTextWritesNothing) {
    TextModel model = modelWith("abc");
    EXPECT_FALSE(model.SetAttributes(1, 4, 9));
    EXPECT_FALSE(model.SetAttributes(2, 1, 9));
    const Bytes tooMany{1, 2, 3};
    EXPECT_FALSE(model.WriteAttributes(1, tooMany));
    EXPECT_EQ(model.attributes(), (Bytes{0, 0, 0}));
    EXPECT_TRUE(model.SetAttributes(1, 3, 9));
    const Bytes two{6, 7};
    EXPECT_TRUE(model.WriteAttributes(0, two));
    EXPECT_EQ(model.attributes(), (Bytes{6, 7, 9}));
}

TEST(TextModelOverwrite, OverwriteChangesBytesInPlaceWithoutAStep) {
    TextModel model = modelWith("<b>x");
    const auto generation = model.generation();
    EXPECT_TRUE(model.OverwriteBytes(1, "B"));
    EXPECT_EQ(model.text(), "<B>x");
    EXPECT_EQ(model.undoList().size(), 1u);
    EXPECT_FALSE(model.isModified());
    EXPECT_GT(model.generation(), generation);
    EXPECT_FALSE(model.OverwriteBytes(3, "yz"));
    EXPECT_FALSE(model.OverwriteBytes(-1, "y"));
    EXPECT_EQ(model.text(), "<B>x");
}

} // namespace
