#include "CaseName.h"
#include "editor/IMarkLink.h"
#include "editor/TextModel.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

// Stands for an error log line or a link reference that shows a span.
class SpanRecord : public IMarkLink {
public:
    SpanRecord(int start, int end) : start_(start), end_(end) {}
    int spanStart() const override { return start_; }
    int spanEnd() const override { return end_; }
    void setSpan(int start, int end) override {
        start_ = start;
        end_ = end;
    }

private:
    int start_;
    int end_;
};

CMarkRecord mark(int kind, int start, int end, std::string reason = "r",
                 IMarkLink* link = nullptr) {
    return CMarkRecord{kind, start, end, attrIndex(Attr::Special), std::move(reason), link};
}

// "xxabcyy" with one mark over "abc".
class MarkFollowing : public ::testing::Test {
protected:
    void SetUp() override {
        model.ReplaceRange(0, 0, "xxabcyy");
        model.AddMark(mark(CMarkRecord::KindErrorLog, 2, 5, "err", &link));
    }

    void expectMark(int start, int end) const {
        ASSERT_EQ(model.marks().size(), 1u);
        EXPECT_EQ(model.marks()[0].start, start);
        EXPECT_EQ(model.marks()[0].end, end);
        EXPECT_EQ(link.spanStart(), start);
        EXPECT_EQ(link.spanEnd(), end);
    }

    std::string markedText() const {
        return model.GetRangeText(model.marks().at(0).start, model.marks().at(0).end);
    }

    SpanRecord link{2, 5};
    TextModel model;
};

struct EditCase {
    const char* name;
    int start;
    int end;
    const char* replacement;
    int markStart;
    int markEnd;
    const char* marked;
};

void PrintTo(const EditCase& edit, std::ostream* out) {
    *out << edit.name;
}

class MarkEdits : public MarkFollowing, public ::testing::WithParamInterface<EditCase> {};

// One edit of "xxabcyy" with its mark over "abc" at [2, 5); the mark and its
// link follow the marked bytes.
TEST_P(MarkEdits, MoveTheMarkAndItsLinkWithTheMarkedBytes) {
    const EditCase& edit = GetParam();
    model.ReplaceRange(edit.start, edit.end, edit.replacement);
    expectMark(edit.markStart, edit.markEnd);
    EXPECT_EQ(markedText(), edit.marked);
}

INSTANTIATE_TEST_SUITE_P(
    MarkFollowing, MarkEdits,
    ::testing::Values(
        EditCase{"InsertionBeforeShiftsTheMarkAndItsLink", 1, 1, "12", 4, 7, "abc"},
        EditCase{"TypingJustBeforeTheMarkShiftsIt", 2, 2, "<", 3, 6, "abc"},
        EditCase{"InsertionInsideMovesOnlyTheEnd", 3, 3, "123", 2, 8, "a123bc"},
        EditCase{"TypingJustAfterTheMarkLeavesIt", 5, 5, "z", 2, 5, "abc"},
        EditCase{"EditAfterTheMarkLeavesIt", 6, 7, "", 2, 5, "abc"},
        EditCase{"DeletionOverTheMarkStartKeepsTheSurvivingBytesMarked", 1, 3, "", 1, 3, "bc"},
        EditCase{"DeletionOverTheMarkEndKeepsTheSurvivingBytesMarked", 4, 6, "", 2, 4, "ab"},
        EditCase{"ReplacementOverlappingAnEdgeJoinsTheMark", 4, 7, "ZZZZZ", 2, 9, "abZZZZZ"}),
    CaseName());

TEST_F(MarkFollowing, CoveringReplacementDeletesTheMarkWhenDropping) {
    EXPECT_EQ(model.ReplaceRange(2, 5, "Q", {}, UndoMode::Edit, true), EditResult::Done);
    EXPECT_TRUE(model.marks().empty());
    EXPECT_EQ(link.spanStart(), 2);
}

TEST_F(MarkFollowing, CoveringReplacementKeepsTheMarkUntouchedWithoutDropping) {
    model.ReplaceRange(1, 6, "Q", {}, UndoMode::Edit, false);
    expectMark(2, 5);
}

TEST_F(MarkFollowing, LongDeletionFromInsideNeverEndsTheMarkBeforeItsStart) {
    model.ReplaceRange(7, 7, "0123456789");
    model.ReplaceRange(3, 17, "");
    expectMark(2, 3);
    EXPECT_EQ(markedText(), "a");
}

TEST_F(MarkFollowing, DetachedLinkIsNoLongerMoved) {
    model.DetachLink(&link);
    model.ReplaceRange(0, 0, "123");
    ASSERT_EQ(model.marks().size(), 1u);
    EXPECT_EQ(model.marks()[0].start, 5);
    EXPECT_EQ(model.marks()[0].link, nullptr);
    EXPECT_EQ(link.spanStart(), 2);
}

TEST_F(MarkFollowing, MovingAMarkMovesItsLink) {
    model.markList().moveTo(0, 1, 6);
    expectMark(1, 6);
}

TEST_F(MarkFollowing, TakingTheFirstMarkHandsItOverWithItsLink) {
    model.AddMark(mark(CMarkRecord::KindUser, 0, 1, "second"));
    const std::optional<CMarkRecord> first = model.markList().takeFirst();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->reason, "err");
    EXPECT_EQ(first->link, &link);
    ASSERT_EQ(model.marks().size(), 1u);
    EXPECT_EQ(model.marks()[0].reason, "second");
    EXPECT_TRUE(model.markList().takeFirst());
    EXPECT_FALSE(model.markList().takeFirst());
}

TEST_F(MarkFollowing, AnUnlinkedCopyFollowsEditsWithoutMovingTheLink) {
    MarkList copy = model.markList().unlinkedCopy();
    copy.adjustForEdit(0, 0, 3, true);
    EXPECT_EQ(copy.records().at(0).start, 5);
    EXPECT_EQ(copy.records().at(0).link, nullptr);
    expectMark(2, 5);
}

TEST(MarkListQueries, UserMarksWithinTheTextAreChosenInListOrder) {
    MarkList marks;
    marks.add(mark(CMarkRecord::KindUser, 0, 2));
    marks.add(mark(CMarkRecord::KindErrorLog, 0, 2));
    marks.add(mark(CMarkRecord::KindUser, 3, 11)); // past a text of 10 bytes
    marks.add(mark(CMarkRecord::KindLinkValidator, 1, 3));
    marks.add(mark(CMarkRecord::KindUser, 10, 10)); // empty, at the end
    marks.add(mark(CMarkRecord::KindUser, 5, 4));   // reversed
    marks.add(mark(CMarkRecord::KindUser, -1, 2));
    EXPECT_EQ(marks.userMarksWithin(10), (std::vector<std::size_t>{0, 4}));
    EXPECT_EQ(marks.userMarksWithin(11), (std::vector<std::size_t>{0, 2, 4}));
    EXPECT_FALSE(marks.isUserMarkWithin(1, 10));
    EXPECT_TRUE(marks.isUserMarkWithin(4, 10));
}

TEST(MarkCommands, MarkingTheSameSelectionTwiceLeavesOneMark) {
    TextModel model;
    model.ReplaceRange(0, 0, "some text");
    model.SetSelection(2, 6);
    EXPECT_TRUE(model.MarkSelection());
    EXPECT_TRUE(model.MarkSelection());
    ASSERT_EQ(model.marks().size(), 1u);
    const CMarkRecord& made = model.marks()[0];
    EXPECT_EQ(made.kind, CMarkRecord::KindUser);
    EXPECT_EQ(made.start, 2);
    EXPECT_EQ(made.end, 6);
    EXPECT_EQ(made.colour, 4);
    EXPECT_EQ(made.reason, "Marked by User");
    EXPECT_EQ(made.link, nullptr);
}

TEST(MarkCommands, MarkSelectionReplacesOnlyUserMarksAtTheSelectionStart) {
    TextModel model;
    model.ReplaceRange(0, 0, "some text here");
    model.AddMark(mark(CMarkRecord::KindErrorLog, 0, 9));
    model.AddMark(mark(CMarkRecord::KindUser, 0, 4, "before"));
    model.AddMark(mark(CMarkRecord::KindUser, 3, 6, "around"));
    model.SetSelection(4, 9);
    model.MarkSelection();
    ASSERT_EQ(model.marks().size(), 3u);
    EXPECT_EQ(model.marks()[0].kind, CMarkRecord::KindErrorLog);
    EXPECT_EQ(model.marks()[1].reason, "before");
    EXPECT_EQ(model.marks()[2].start, 4);
}

TEST(MarkCommands, RemoveMarkKeepsLinkMarksWhileValidationIsOpen) {
    TextModel model;
    model.ReplaceRange(0, 0, "<a href=x>");
    model.AddMark(mark(CMarkRecord::KindLinkValidator, 3, 9));
    model.AddMark(mark(CMarkRecord::KindUser, 2, 5));
    model.SetSelection(4, 4);
    EXPECT_TRUE(model.RemoveMark(true));
    ASSERT_EQ(model.marks().size(), 1u);
    EXPECT_EQ(model.marks()[0].kind, CMarkRecord::KindLinkValidator);
    EXPECT_FALSE(model.RemoveMark(true));
    EXPECT_TRUE(model.RemoveMark(false));
    EXPECT_TRUE(model.marks().empty());
}

TEST(MarkCommands, RemoveMarkTakesOnlyMarksHoldingTheSelectionStart) {
    TextModel model;
    model.ReplaceRange(0, 0, "0123456789");
    model.AddMark(mark(CMarkRecord::KindUser, 2, 4));
    model.AddMark(mark(CMarkRecord::KindUser, 4, 6));
    model.SetSelection(4, 8);
    EXPECT_TRUE(model.IsSelectionStartInMark());
    model.RemoveMark(false);
    ASSERT_EQ(model.marks().size(), 1u);
    EXPECT_EQ(model.marks()[0].start, 2);
    EXPECT_FALSE(model.IsSelectionStartInMark()); // the end of [2, 4) is outside it
}

TEST(MarkCommands, RemoveAllMarksRemovesEveryKind) {
    TextModel model;
    model.ReplaceRange(0, 0, "0123456789");
    model.AddMark(mark(CMarkRecord::KindLinkValidator, 0, 2));
    model.AddMark(mark(CMarkRecord::KindErrorLog, 3, 5));
    EXPECT_TRUE(model.RemoveAllMarks());
    EXPECT_TRUE(model.marks().empty());
    EXPECT_FALSE(model.RemoveAllMarks());
}

TEST(MarkCommands, ReasonIsFoundUpToAndIncludingTheEndOffset) {
    TextModel model;
    model.ReplaceRange(0, 0, "0123456789");
    model.AddMark(mark(CMarkRecord::KindUser, 2, 5, "first"));
    model.AddMark(mark(CMarkRecord::KindErrorLog, 4, 8, "second"));
    EXPECT_EQ(model.MarkReasonAt(1), std::nullopt);
    EXPECT_EQ(model.MarkReasonAt(2), "first");
    EXPECT_EQ(model.MarkReasonAt(5), "first");
    EXPECT_EQ(model.MarkReasonAt(6), "second");
    EXPECT_EQ(model.MarkReasonAt(8), "second");
    EXPECT_EQ(model.MarkReasonAt(9), std::nullopt);
}

} // namespace
