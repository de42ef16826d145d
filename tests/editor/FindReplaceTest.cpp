#include "editor/FindReplace.h"

#include "ModelHelpers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// ---- FindText ---------------------------------------------------------------

TEST(FindTextStepping, FindNextWalksFromMatchToMatchAndStopsAtTheLast) {
    TextModel model = modelWith("xabcabc");
    ASSERT_EQ(FindReplace::FindText(model, "abc", +1, false), 1);
    EXPECT_EQ(model.GetSelection().start, 1);
    EXPECT_EQ(model.GetSelection().caret, 4);
    ASSERT_EQ(FindReplace::FindText(model, "abc", +1, false), 4);
    EXPECT_EQ(model.GetSelection().caret, 7);
    EXPECT_FALSE(FindReplace::FindText(model, "abc", +1, false));
    EXPECT_EQ(model.GetSelection().start, 4) << "a failed search keeps the selection";
    EXPECT_EQ(model.GetSelection().caret, 7);
}

TEST(FindTextStepping, FindPrevWalksBackAndNeverFindsTheCurrentMatch) {
    TextModel model = modelWith("xabcabc");
    model.SetSelection(4, 7);
    ASSERT_EQ(FindReplace::FindText(model, "abc", -1, false), 1);
    EXPECT_EQ(model.GetSelection().caret, 4);
    EXPECT_FALSE(FindReplace::FindText(model, "abc", -1, false));
    EXPECT_EQ(model.GetSelection().start, 1);
}

TEST(FindTextStepping, AMatchMustLieWhollyInsideTheText) {
    TextModel model = modelWith("xab");
    EXPECT_FALSE(FindReplace::FindText(model, "abc", +1, true));
    EXPECT_FALSE(FindReplace::findBackward("xab", "abc", 2, true));
    EXPECT_FALSE(FindReplace::findBackward("xab", "abc", 2, false));
}

TEST(FindTextStepping, SearchStartsOneByteAfterTheSelectionStart) {
    TextModel model = modelWith("abab");
    EXPECT_EQ(FindReplace::FindText(model, "ab", +1, true), 2)
        << "the stepping search skips offset 0, as Find Next from a match must";
}

TEST(FindTextCase, WithoutCaseSensitivityCapitalsMatchLowerCase) {
    TextModel model = modelWith("say HELLO");
    EXPECT_EQ(FindReplace::FindText(model, "hello", +1, false), 4);
    model.SetSelection(0, 0);
    EXPECT_FALSE(FindReplace::FindText(model, "hello", +1, true));
    EXPECT_EQ(FindReplace::FindText(model, "HELLO", +1, true), 4);
}

TEST(FindTextCase, BackwardSearchFoldsCaseToo) {
    EXPECT_EQ(FindReplace::findBackward("aBc abc", "ABC", 6, false), 4);
    EXPECT_EQ(FindReplace::findBackward("aBc abc", "ABC", 3, false), 0);
    EXPECT_FALSE(FindReplace::findBackward("aBc abc", "ABC", 6, true));
}

TEST(FindTextCase, OnlyAsciiLettersFoldSoMultiByteTextMatchesExactly) {
    // "é" and "É" differ in their second byte, which is not an ASCII letter.
    EXPECT_FALSE(FindReplace::findForward("caf\xc3\x89", "caf\xc3\xa9", 0, false));
    EXPECT_EQ(FindReplace::findForward("x caf\xc3\xa9", "CAF\xc3\xa9", 0, false), 2);
}

TEST(FindTextLimits, EmptyFindTextFindsNothingAndChangesNothing) {
    TextModel model = modelWith("abc");
    EXPECT_EQ(FindReplace::checkFindText(""), FindTextCheck::Empty);
    EXPECT_FALSE(FindReplace::FindText(model, "", +1, false));
    EXPECT_EQ(FindReplace::ReplaceAll(model, "", "x", false).replaced, 0);
    EXPECT_EQ(FindReplace::MarkAll(model, "", false), 0);
    EXPECT_EQ(model.text(), "abc");
    EXPECT_TRUE(model.marks().empty());
    EXPECT_FALSE(model.isModified());
}

TEST(FindTextLimits, FindTextOf255BytesIsSearchedAnd256IsRefused) {
    const std::string longest(255, 'q');
    const std::string tooLong(256, 'q');
    TextModel model = modelWith("x" + tooLong);
    EXPECT_EQ(FindReplace::checkFindText(longest), FindTextCheck::Ok);
    EXPECT_EQ(FindReplace::checkFindText(tooLong), FindTextCheck::TooLong);
    EXPECT_EQ(FindReplace::FindText(model, longest, +1, true), 1);
    model.SetSelection(0, 0);
    EXPECT_FALSE(FindReplace::FindText(model, tooLong, +1, true));
    EXPECT_EQ(FindReplace::ReplaceAll(model, tooLong, "", true).replaced, 0);
    EXPECT_EQ(FindReplace::MarkAll(model, tooLong, true), 0);
    EXPECT_EQ(model.length(), 257);
}

// ---- Replace All --------------------------------------------------------------

// Every match in the text replaced, from the start on.
TEST(ReplaceAll, ReplacesEachMatchOnceAndCountsThem) {
    struct Case {
        const char* what;
        const char* text;
        const char* find;
        const char* replacement;
        bool matchCase;
        const char* replaced;
        int count;
    };
    const Case cases[] = {
        {"ReplacementHoldingTheFindTextEnds", "xaaa", "a", "aa", false, "xaaaaaa", 3},
        {"IncludesAMatchAtOffsetZero", "ab ab", "ab", "X", true, "X X", 2},
        {"EmptyReplacementRemovesEveryMatch", "aaaa-a", "a", "", true, "-", 5},
        {"CaseSensitivityDecidesWhatIsReplaced", "Cat cat CAT", "cat", "dog", true, "Cat dog CAT",
         1},
        {"WithoutCaseSensitivityEveryCaseIsReplaced", "Cat cat CAT", "cat", "dog", false,
         "dog dog dog", 3},
    };
    for (const Case& item : cases) {
        TextModel model = modelWith(item.text);
        const ReplaceAllResult outcome =
            FindReplace::ReplaceAll(model, item.find, item.replacement, item.matchCase);
        EXPECT_EQ(model.text(), item.replaced) << item.what;
        EXPECT_EQ(outcome.replaced, item.count) << item.what;
        EXPECT_EQ(outcome.result, EditResult::Done) << item.what;
    }
}

TEST(ReplaceAll, AllReplacementsAreOneStepAndUndoingItRestoresTextAndSelection) {
    TextModel model = modelWith("one two one");
    model.SetSelection(4, 7);
    EXPECT_EQ(FindReplace::ReplaceAll(model, "one", "1", true).replaced, 2);
    EXPECT_EQ(model.text(), "1 two 1");
    EXPECT_EQ(model.undoList().size(), 2u) << "the initial text, then one step for all matches";
    EXPECT_EQ(model.undoList().front().records.size(), 2u);
    EXPECT_TRUE(model.isModified());
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "one two one");
    EXPECT_EQ(model.GetSelection().start, 4);
    EXPECT_EQ(model.GetSelection().caret, 7);
}

TEST(ReplaceAll, MarksOverReplacedTextDisappearAndOthersFollow) {
    TextModel model = modelWith("old keep old");
    model.AddMark(userMark(0, 3));
    model.AddMark(userMark(4, 8));
    FindReplace::ReplaceAll(model, "old", "new!", true);
    EXPECT_EQ(model.text(), "new! keep new!");
    ASSERT_EQ(model.marks().size(), 1u);
    EXPECT_EQ(markedText(model, 0), "keep");
}

TEST(ReplaceAllPrompt, CancelAtTheSecondMatchLeavesOnlyTheFirstReplaced) {
    TextModel model = modelWith("a-a-a");
    std::vector<std::pair<int, int>> asked;
    std::vector<ReplaceAnswer> answers{ReplaceAnswer::Yes, ReplaceAnswer::Cancel};
    const ReplaceAllResult outcome =
        FindReplace::ReplaceAll(model, "a", "bb", true, [&](int start, int end) {
            asked.emplace_back(start, end);
            EXPECT_EQ(model.GetSelection().start, start) << "the match is selected when asked";
            EXPECT_EQ(model.GetSelection().caret, end);
            return answers.at(asked.size() - 1);
        });
    EXPECT_EQ(model.text(), "bb-a-a");
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.replaced, 1);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], std::make_pair(0, 1));
    EXPECT_EQ(asked[1], std::make_pair(3, 4)) << "the second match, after the inserted text";
}

TEST(ReplaceAllPrompt, NoSkipsAndTheNextSearchStartsOneByteLater) {
    TextModel model = modelWith("aaa");
    std::vector<int> asked;
    FindReplace::ReplaceAll(model, "aa", "X", true, [&](int start, int) {
        asked.push_back(start);
        return asked.size() == 1 ? ReplaceAnswer::No : ReplaceAnswer::Yes;
    });
    EXPECT_EQ(asked, (std::vector<int>{0, 1}));
    EXPECT_EQ(model.text(), "aX");
}

TEST(ReplaceAllCapacity, GrowthPastTheLimitIsRefusedBeforeAnyChange) {
    std::string text(TextModel::Capacity - 2, '.');
    text.replace(0, 3, "a-a");
    text.back() = 'a';
    TextModel model = modelWith(text);
    const std::size_t steps = model.undoList().size();
    const ReplaceAllResult outcome = FindReplace::ReplaceAll(model, "a", "aa", true);
    EXPECT_EQ(outcome.result, EditResult::TooLong);
    EXPECT_EQ(outcome.replaced, 0);
    EXPECT_EQ(model.text(), text);
    EXPECT_EQ(model.undoList().size(), steps);
    EXPECT_FALSE(model.isModified());
    // Two bytes of growth fit exactly.
    text.back() = '.';
    TextModel fits = modelWith(text);
    EXPECT_EQ(FindReplace::ReplaceAll(fits, "a", "aa", true).replaced, 2);
    EXPECT_EQ(fits.length(), TextModel::Capacity);
}

TEST(ReplaceAllCapacity, WithThePromptEveryOverlappingMatchCounts) {
    // Greedily "aa" matches once, but after a No it may match at 1 as well.
    std::string text(TextModel::Capacity - 2, '.');
    text.replace(0, 3, "aaa");
    TextModel model = modelWith(text);
    int asked = 0;
    const auto outcome = FindReplace::ReplaceAll(model, "aa", "aaaa", true, [&](int, int) {
        ++asked;
        return ReplaceAnswer::Yes;
    });
    EXPECT_EQ(outcome.result, EditResult::TooLong);
    EXPECT_EQ(asked, 0) << "refused before the first question";
    EXPECT_EQ(FindReplace::ReplaceAll(model, "aa", "aaaa", true).replaced, 1)
        << "without the prompt only the greedy match counts";
}

// ---- Mark All -------------------------------------------------------------------

TEST(MarkAll, MarksEveryMatchWithTheFindReasonIncludingOffsetZero) {
    TextModel model = modelWith("ab xx AB");
    EXPECT_EQ(FindReplace::MarkAll(model, "ab", false), 2);
    ASSERT_EQ(model.marks().size(), 2u);
    for (const CMarkRecord& mark : model.marks()) {
        EXPECT_EQ(mark.kind, CMarkRecord::KindUser);
        EXPECT_EQ(mark.colour, 4);
        EXPECT_EQ(mark.reason, "Marked by Find Command");
    }
    EXPECT_EQ(model.marks()[0].start, 0);
    EXPECT_EQ(markedText(model, 1), "AB");
    EXPECT_FALSE(model.isModified());
}

TEST(MarkAll, MarkingTwiceGivesDuplicatesAndOverlapsAreMarked) {
    TextModel model = modelWith("aaa");
    EXPECT_EQ(FindReplace::MarkAll(model, "aa", true), 2);
    EXPECT_EQ(FindReplace::MarkAll(model, "aa", true), 2);
    ASSERT_EQ(model.marks().size(), 4u);
    EXPECT_EQ(model.marks()[1].start, 1);
    EXPECT_EQ(model.marks()[2].start, model.marks()[0].start);
    EXPECT_EQ(model.marks()[2].end, model.marks()[0].end);
}

// ---- Replace Marks ----------------------------------------------------------------

class ReplaceMarks : public ::testing::Test {
protected:
    void SetUp() override {
        model = modelWith("one two three");
        model.AddMark(userMark(0, 3));
        model.AddMark(userMark(8, 13));
        model.SetSelection(4, 7);
    }
    TextModel model;
};

TEST_F(ReplaceMarks, AddBeforeAndAfterWrapEachMarkWhichKeepsItsText) {
    EXPECT_EQ(FindReplace::ReplaceMarks(model, "<B>", "</B>", ""), EditResult::Done);
    EXPECT_EQ(model.text(), "<B>one</B> two <B>three</B>");
    EXPECT_EQ(markedText(model, 0), "one");
    EXPECT_EQ(markedText(model, 1), "three");
}

TEST_F(ReplaceMarks, ReplacementTextBecomesTheMarkedText) {
    FindReplace::ReplaceMarks(model, "[", "]", "X");
    EXPECT_EQ(model.text(), "[X] two [X]");
    EXPECT_EQ(markedText(model, 0), "X");
    EXPECT_EQ(markedText(model, 1), "X");
    FindReplace::ReplaceMarks(model, "", "", "longer");
    EXPECT_EQ(model.text(), "[longer] two [longer]");
    EXPECT_EQ(markedText(model, 1), "longer");
}

TEST_F(ReplaceMarks, OnlyUserMarksAreRewritten) {
    model.AddMark(
        CMarkRecord{CMarkRecord::KindErrorLog, 4, 7, attrIndex(Attr::Special), "error", nullptr});
    FindReplace::ReplaceMarks(model, "<I>", "</I>", "");
    EXPECT_EQ(model.text(), "<I>one</I> two <I>three</I>");
    EXPECT_EQ(markedText(model, 2), "two") << "the error mark follows its text unwrapped";
}

TEST_F(ReplaceMarks, AnEmptyMarkIsKeptAndGetsBothTexts) {
    TextModel empty = modelWith("ab");
    empty.AddMark(userMark(1, 1));
    EXPECT_EQ(FindReplace::ReplaceMarks(empty, "<", ">", ""), EditResult::Done);
    EXPECT_EQ(empty.text(), "a<>b");
    ASSERT_EQ(empty.marks().size(), 1u);
    EXPECT_EQ(empty.marks()[0].start, 2);
    EXPECT_EQ(empty.marks()[0].end, 2);
}

TEST_F(ReplaceMarks, UndoingItsOneStepRestoresTextAndSelection) {
    const std::size_t before = model.undoList().size();
    FindReplace::ReplaceMarks(model, "<B>", "</B>", "x");
    EXPECT_EQ(model.undoList().size(), before + 1);
    EXPECT_EQ(model.undoList().front().records.size(), 6u) << "three replacements per mark";
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "one two three");
    EXPECT_EQ(model.GetSelection().start, 4);
    EXPECT_EQ(model.GetSelection().caret, 7);
}

TEST_F(ReplaceMarks, GrowthPastTheLimitChangesNothing) {
    // Each mark grows by 3 + 4 = 7 bytes.
    TextModel full = modelWith(std::string(TextModel::Capacity - 14, '.'));
    full.AddMark(userMark(0, 2));
    full.AddMark(userMark(5, 7));
    EXPECT_EQ(FindReplace::ReplaceMarks(full, "<B>", "</B>", ""), EditResult::Done);
    EXPECT_EQ(full.length(), TextModel::Capacity);
    // One byte less room: the first mark would fit, the second would not.
    TextModel tight = modelWith(std::string(TextModel::Capacity - 13, '.'));
    tight.AddMark(userMark(0, 2));
    tight.AddMark(userMark(5, 7));
    const std::string text = tight.text();
    const std::size_t steps = tight.undoList().size();
    EXPECT_EQ(FindReplace::ReplaceMarks(tight, "<B>", "</B>", ""), EditResult::TooLong);
    EXPECT_EQ(tight.text(), text);
    EXPECT_EQ(tight.marks()[0].start, 0);
    EXPECT_EQ(tight.marks()[1].start, 5);
    EXPECT_EQ(tight.undoList().size(), steps);
}

} // namespace
