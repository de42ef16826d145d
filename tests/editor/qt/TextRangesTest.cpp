#include "editor/qt/TextRanges.h"

#include "editor/qt/ClipboardText.h"
#include "editor/qt/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

using TextRanges::Range;

TEST(DoubleClickRange, BracketsSelectTheirContentsForwardAndBothBracketsBackward) {
    const std::string text = "f(a[b]{c})";
    EXPECT_EQ(TextRanges::doubleClickRange(text, 1, false), (Range{2, 9}));
    EXPECT_EQ(TextRanges::doubleClickRange(text, 5, false), (Range{3, 6}));
    EXPECT_EQ(TextRanges::doubleClickRange(text, 8, false), (Range{6, 9}));
}

TEST(DoubleClickRange, NoNestingIsCounted) {
    const std::string text = "(a(b)c)";
    EXPECT_EQ(TextRanges::doubleClickRange(text, 0, false), (Range{1, 4}));
}

TEST(DoubleClickRange, AMissingPartnerRunsToTheTextsEdge) {
    EXPECT_EQ(TextRanges::doubleClickRange("ab<cd", 2, false), (Range{3, 5}));
    EXPECT_EQ(TextRanges::doubleClickRange("ab>cd", 2, false), (Range{0, 3}));
    EXPECT_EQ(TextRanges::doubleClickRange("a\"bc", 1, false), (Range{2, 4}));
    EXPECT_EQ(TextRanges::doubleClickRange("a\"bc", 1, true), (Range{1, 4}));
}

TEST(DoubleClickRange, QuotesSelectBetweenOrWithThem) {
    const std::string text = "x=\"val\" y";
    EXPECT_EQ(TextRanges::doubleClickRange(text, 2, false), (Range{3, 6}));
    EXPECT_EQ(TextRanges::doubleClickRange(text, 2, true), (Range{2, 7}));
}

TEST(DoubleClickRange, WordsStopAtMarkupDelimiters) {
    const std::string text = "<a href=\"x\">some\tword</a>";
    EXPECT_EQ(TextRanges::doubleClickRange(text, 4, false), (Range{3, 7}));
    EXPECT_EQ(TextRanges::doubleClickRange(text, 13, false), (Range{12, 16}));
    EXPECT_EQ(TextRanges::doubleClickRange(text, 18, false), (Range{17, 21}));
    EXPECT_EQ(TextRanges::doubleClickRange(text, 25, false), (Range{25, 25})) << "the end";
}

TEST(BlockIndent, IndentWidensToTheLineFeedBeforeTheFirstLine) {
    const std::string text = "aa\nbb\ncc\ndd";
    const TextRanges::BlockIndent block = TextRanges::blockIndent(text, 4, 7, false);
    EXPECT_EQ(block.replaced, (Range{2, 7}));
    EXPECT_EQ(block.text, "\n\tbb\n\tc");
    EXPECT_EQ(block.caretShift, 2);
}

TEST(BlockIndent, ALineStartingAtTheCaretIsNotPartOfTheBlock) {
    const std::string text = "aa\nbb\ncc";
    const TextRanges::BlockIndent block = TextRanges::blockIndent(text, 0, 6, false);
    EXPECT_EQ(block.text, "\taa\n\tbb\n");
    const TextRanges::BlockIndent back = TextRanges::blockIndent("\taa\n\tbb\ncc", 0, 8, true);
    EXPECT_EQ(back.text, "aa\nbb\n");
    EXPECT_EQ(back.caretShift, -2);
}

TEST(BlockIndent, UnindentRemovesOneTabOnlyWhereALineHasOne) {
    const std::string text = "\t\ta\nb\n\tc";
    const TextRanges::BlockIndent block = TextRanges::blockIndent(text, 1, 8, true);
    EXPECT_EQ(block.text, "\ta\nb\nc");
    EXPECT_EQ(block.caretShift, -2);
}

// Each row: a text, a selection, and what it becomes after an indent.
struct IndentSelectionCase {
    const char* text;
    int start;
    int caret;
    Range afterIndent;
};

TEST(BlockIndent, TheSelectionAfterwardsCoversTheSameLinesFromTheFirstOnesStart) {
    const IndentSelectionCase cases[] = {
        {"a\nb\nc\nd", 4, 5, {4, 6}},
        {"a\nb\nc\nd", 5, 6, {4, 7}}, // ends at the start of "d": "d" is outside
        {"ab\ncd", 1, 4, {0, 6}},     // from the first line
        {"ab\n\tcd", 5, 6, {3, 7}},   // from inside the second line
    };
    for (const IndentSelectionCase& row : cases) {
        SCOPED_TRACE(::testing::Message() << row.start << "-" << row.caret);
        const std::string text = row.text;
        const TextRanges::BlockIndent indent =
            TextRanges::blockIndent(text, row.start, row.caret, false);
        EXPECT_EQ(indent.selection, row.afterIndent);
        std::string indented = text;
        indented.replace(indent.replaced.start, indent.replaced.end - indent.replaced.start,
                         indent.text);
        const TextRanges::BlockIndent back =
            TextRanges::blockIndent(indented, indent.selection.start, indent.selection.end, true);
        std::string restored = indented;
        restored.replace(back.replaced.start, back.replaced.end - back.replaced.start, back.text);
        EXPECT_EQ(restored, text);
    }
}

TEST(ClipboardText, PlainTextWalksTagsAndQuotes) {
    EXPECT_EQ(ClipboardText::plainTextOf("<a href=\"x>y\">link</a> after"), "link after");
    EXPECT_EQ(ClipboardText::plainTextOf("say \"hi\" <b>now</b>"), "say \"hi\" now");
    EXPECT_EQ(ClipboardText::plainTextOf("a < b"), "a ") << "an open tag swallows the rest";
}

TEST(ClipboardText, CarriageReturnsGoAndLineEndsFollowThePlatform) {
    EXPECT_EQ(ClipboardText::removeCarriageReturns("a\r\nb\r"), "a\nb");
#ifdef _WIN32
    EXPECT_EQ(ClipboardText::toPlatformLineEnds("a\nb\n"), "a\r\nb\r\n");
#else
    EXPECT_EQ(ClipboardText::toPlatformLineEnds("a\nb\n"), "a\nb\n");
#endif
}

TEST(Utf8Text, ValidSequencesAreOneCharacterAndOthersStandAlone) {
    const std::string text = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xC3\xFFx";
    EXPECT_EQ(Utf8Text::charLength(text, 0), 2);
    EXPECT_EQ(Utf8Text::charLength(text, 2), 3);
    EXPECT_EQ(Utf8Text::charLength(text, 5), 4);
    EXPECT_EQ(Utf8Text::charLength(text, 9), 1) << "a lead byte without its continuation";
    EXPECT_EQ(Utf8Text::charLength(text, 10), 1);
    EXPECT_EQ(Utf8Text::charLength(text, 12), 0);
    EXPECT_EQ(Utf8Text::previousCharStart(text, 9), 5);
    EXPECT_EQ(Utf8Text::previousCharStart(text, 11), 10);
    EXPECT_EQ(Utf8Text::previousCharStart(text, 2), 0);
}

TEST(Utf8Text, OverlongFormsAndSurrogatesAreNotCharacters) {
    EXPECT_EQ(Utf8Text::charLength("\xC0\xAF", 0), 1);
    EXPECT_EQ(Utf8Text::charLength("\xE0\x80\xAF", 0), 1);
    EXPECT_EQ(Utf8Text::charLength("\xED\xA0\x80", 0), 1);
    EXPECT_EQ(Utf8Text::charLength("\xF4\x90\x80\x80", 0), 1);
}

TEST(Utf8Text, DisplayTextShowsStrayBytesAsLatin1AndRoundTripsValidText) {
    EXPECT_EQ(Utf8Text::toDisplay("a\xFF\xC3\xA9"), (std::u16string{u'a', 0xFF, 0xE9}));
    EXPECT_EQ(Utf8Text::toDisplay("\xF0\x9F\x98\x80"), std::u16string(u"\U0001F600"));
    const std::string valid = "x\xC3\xA9\xF0\x9F\x98\x80";
    EXPECT_EQ(Utf8Text::fromDisplay(Utf8Text::toDisplay(valid)), valid);
}

} // namespace
