#include "editor/ColorPass.h"

#include "StyledText.h"
#include "editor/ColorApply.h"
#include "editor/ColorRegion.h"
#include "editor/TextModel.h"
#include "html/CTagData.h"
#include "html/CTagScanner.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stop_token>
#include <string>
#include <vector>

namespace {

constexpr const char* TagText = "B\n{\n}\n"
                                "I\n{\n}\n"
                                "A\n{\nHREF\n{\n(URL)\n}\nNAME\n{\n}\n}\n"
                                "SCRIPT\n{\n(SUSPEND)\n}\n"
                                "PLAINTEXT\n{\n(TOTALSUSPEND)\n}\n";

class ColorPassTest : public ::testing::Test {
protected:
    void SetUp() override { tags.loadFromText(TagText, ""); }

    ColorPassResult pass(std::string_view text, ColorPassOptions options = {}, int start = 0) {
        std::optional<ColorPassResult> result = ColorPass(tags, options).run(text, start);
        EXPECT_TRUE(result.has_value());
        return result.value_or(ColorPassResult{});
    }

    std::string styledPass(std::string_view text) {
        return styledText(text, pass(text).attributes);
    }

    // Loads text as a document and applies one whole-file pass to it.
    void colourModel(std::string_view text, ColorPassOptions options = {}) {
        model.ReplaceRange(0, model.length(), text);
        applyWholePass(options);
    }

    bool applyWholePass(ColorPassOptions options = {}) {
        ColorPassResult result = pass(model.text(), options);
        result.generation = model.generation();
        return ColorApply::applyPass(model, result);
    }

    CTagData tags;
    TextModel model;
};

} // namespace

// --- the pass itself ---------------------------------------------------------

// Each text as one whole pass colours it.
TEST_F(ColorPassTest, ColoursTagNamesArgumentsAndValuesOutsideSuspension) {
    struct Case {
        const char* what;
        const char* text;
        const char* styled;
    };
    const Case cases[] = {
        {"BoldElementColoursOnlyTheNamesAndTheClosingSlash", "x<b>y</b>z",
         "x<{Tag}b{Default}>y<{Tag}/b{Default}>z"},
        {"AnchorArgumentNameAndQuotedValue", "<a href=\"p.htm\">go</a>",
         "<{Tag}a{Default} "
         "{Argument}href{Default}={Parameter}\"p.htm\"{Default}>go<{Tag}/a{Default}>"},
        {"ArgumentWithoutValueGetsOnlyTheArgumentColour", "<a name>",
         "<{Tag}a{Default} {Argument}name{Default}>"},
        {"UnknownTagsAreColouredLikeKnownOnes", "<blink x=1>",
         "<{Tag}blink{Default} {Argument}x{Default}={Parameter}1{Default}>"},
        {"TagInsideACommentIsNotColoured", "<!-- <b>x</b> --><i>",
         "<!-- <b>x</b> --><{Tag}i{Default}>"},
        {"AngleBracketInsideQuotedValueDoesNotEndTheTag", "<a name=\"a>b\">t",
         "<{Tag}a{Default} {Argument}name{Default}={Parameter}\"a>b\"{Default}>t"},
        {"SelfClosingSlashIsNotPartOfTheName", "<b/>", "<{Tag}b{Default}/>"},
        {"SuspendingTagStopsColouringUntilItsClosingTag",
         "<script>if(a<b&&c>d)<i>x</i></script><b>",
         "<{Tag}script{Default}>if(a<b&&c>d)<i>x</i><{Tag}/script{Default}><{Tag}b{Default}>"},
        {"SuspensionIgnoresClosingTagsOfOtherNames", "<script></b><b></script>",
         "<{Tag}script{Default}></b><b><{Tag}/script{Default}>"},
        {"ClosingTagOfASuspendingTagDoesNotSuspend", "</script><b>",
         "<{Tag}/script{Default}><{Tag}b{Default}>"},
        {"SuspendingTagInUpperOrLowerCaseEndsOnEitherCase", "<SCRIPT><b></script><i>",
         "<{Tag}SCRIPT{Default}><b><{Tag}/script{Default}><{Tag}i{Default}>"},
        {"TotalSuspendStopsColouringForTheRestOfThePass", "<b><plaintext x=1><i></plaintext><b>",
         "<{Tag}b{Default}><{Tag}plaintext{Default} "
         "{Argument}x{Default}={Parameter}1{Default}><i></plaintext><b>"},
        {"UnterminatedTagAtTheEndIsLeftAlone", "<b>x<i", "<{Tag}b{Default}>x<i"},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(styledPass(item.text), item.styled) << item.what;
    }
}

// Spans are painted in whole words past their ends: every length around the
// word sizes, and spans that end on the text's last bytes, must come out
// exactly as a plain byte-by-byte fill of the scanned spans.
TEST_F(ColorPassTest, SpansOfEveryLengthMatchAPlainFill) {
    std::string text;
    for (int length = 1; length <= 40; ++length) {
        const std::string word(static_cast<std::size_t>(length), 'v');
        const std::string gap(static_cast<std::size_t>(length % 19), 'x');
        text += "<" + word + " " + word + "=" + word + " " + word + ">" + gap;
        text += "<a " + word + "=\"" + word + "\"></" + word + ">";
    }
    for (std::size_t cut = text.size() - 60; cut <= text.size(); ++cut) {
        const std::string_view snapshot = std::string_view(text).substr(0, cut);
        std::vector<std::uint8_t> expected(snapshot.size(), attrByte(Attr::Default));
        auto fill = [&](int start, int end, Attr colour) {
            std::fill(expected.begin() + start, expected.begin() + std::max(start, end),
                      attrByte(colour));
        };
        CTagScanner scanner(snapshot);
        CTagToken token;
        while (scanner.NextTag(token)) {
            fill(token.start, token.start + static_cast<int>(token.name.size()) + token.closing,
                 Attr::Tag);
            for (const CArgToken& argument : token.arguments) {
                fill(argument.nameStart, argument.nameEnd, Attr::Argument);
                if (argument.hasValue)
                    fill(argument.valueStart, argument.valueEnd, Attr::Parameter);
            }
        }
        EXPECT_EQ(pass(snapshot).attributes, expected) << "cut at " << cut;
    }
}

TEST_F(ColorPassTest, EmptySnapshotGivesAnEmptyRegion) {
    ColorPassResult result = pass("", {}, 7);
    EXPECT_TRUE(result.attributes.empty());
    EXPECT_EQ(result.regionStart, 7);
    EXPECT_EQ(result.regionEnd(), 7);
}

TEST_F(ColorPassTest, UpperCaseRangesAreAbsoluteAndOnlyWhereLettersChange) {
    ColorPassOptions both{true, true};
    ColorPassResult result = pass("<a HREF=\"x\" name=y></B>", both, 100);
    ASSERT_EQ(result.upperCase.size(), 2u);
    EXPECT_EQ(result.upperCase[0].start, 101); // "a"
    EXPECT_EQ(result.upperCase[0].end, 102);
    EXPECT_EQ(result.upperCase[1].start, 112); // "name"
    EXPECT_EQ(result.upperCase[1].end, 116);
    EXPECT_EQ(result.attributes[1], attrByte(Attr::Tag));
}

TEST_F(ColorPassTest, UpperCasingIsOffWithoutTheOptions) {
    EXPECT_TRUE(pass("<a href=x>").upperCase.empty());
    EXPECT_EQ(pass("<a href=x>", {true, false}).upperCase.size(), 1u);
    EXPECT_EQ(pass("<a href=x>", {false, true}).upperCase.size(), 1u);
}

TEST_F(ColorPassTest, SuspendedTagsAreNotUpperCased) {
    EXPECT_EQ(pass("<script><b></script>", {true, true}).upperCase.size(), 2u);
}

TEST_F(ColorPassTest, StopRequestedAbandonsThePass) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "<b>x";
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(ColorPass(tags, {}).run(text, 0, stop.get_token()).has_value());
}

TEST_F(ColorPassTest, FirstDefinitionOfATagDecidesWhetherItSuspends) {
    tags.loadFromText("XMP\n{\n}\nXMP\n{\n(SUSPEND)\n}\n", "");
    EXPECT_EQ(styledPass("<xmp><b>"), "<{Tag}xmp{Default}><{Tag}b{Default}>");
}

// --- applying a pass to a document ------------------------------------------------

TEST_F(ColorPassTest, ApplyingUpperCasesNamesButNotValuesWithoutAnUndoStep) {
    model.ReplaceRange(0, 0, "<a href=\"p.htm\">x</a>");
    model.setModified(false);
    std::size_t undoSteps = model.undoList().size();
    ASSERT_TRUE(applyWholePass({true, true}));
    EXPECT_EQ(model.text(), "<A HREF=\"p.htm\">x</A>");
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(model.undoList().size(), undoSteps);
    EXPECT_EQ(styledText(model.text(), model.attributes()),
              "<{Tag}A{Default} "
              "{Argument}HREF{Default}={Parameter}\"p.htm\"{Default}>x<{Tag}/A{Default}>");
}

TEST_F(ColorPassTest, ApplyingLowerCaseTextWithOneOptionChangesOnlyThatKind) {
    colourModel("<a href=x></a>", {false, true});
    EXPECT_EQ(model.text(), "<a HREF=x></a>");
}

TEST_F(ColorPassTest, StaleResultIsRefusedAndChangesNothing) {
    model.ReplaceRange(0, 0, "<b>bold</b>");
    ColorPassResult result = pass(model.text(), {true, true});
    result.generation = model.generation();
    model.ReplaceRange(0, 0, "xx");
    std::vector<std::uint8_t> before = model.attributes();
    EXPECT_FALSE(ColorApply::applyPass(model, result));
    EXPECT_EQ(model.text(), "xx<b>bold</b>");
    EXPECT_EQ(model.attributes(), before);
}

TEST_F(ColorPassTest, ResultReachingPastTheTextIsRefused) {
    model.ReplaceRange(0, 0, "<b>");
    ColorPassResult result = pass("<b>x<i>", {}, 0);
    result.generation = model.generation();
    EXPECT_FALSE(ColorApply::applyPass(model, result));
}

TEST_F(ColorPassTest, RegionPassRecoloursOnlyItsRegion) {
    model.ReplaceRange(0, 0, "<b>x</b><i>y</i>");
    ASSERT_TRUE(applyWholePass());
    model.SetAttributes(0, model.length(), attrByte(Attr::Yellow));
    ColorPassResult region = pass(model.GetRangeText(8, 11), {}, 8); // "<i>"
    region.generation = model.generation();
    ASSERT_TRUE(ColorApply::applyPass(model, region));
    EXPECT_EQ(styledText(model.text(), model.attributes()),
              "{Yellow}<b>x</b>{Default}<{Tag}i{Default}>{Yellow}y</i>");
}

TEST_F(ColorPassTest, MarksWinOverTagColours) {
    model.ReplaceRange(0, 0, "<a href=\"p\">x</a>");
    model.AddMark(CMarkRecord{CMarkRecord::KindUser, 1, 5, attrIndex(Attr::Mark), "m", nullptr});
    ASSERT_TRUE(applyWholePass());
    EXPECT_EQ(styledText(model.text(), model.attributes()),
              "<{Mark}a hr{Argument}ef{Default}={Parameter}\"p\"{Default}>x<{Tag}/a{Default}>");
    ASSERT_TRUE(applyWholePass());
    EXPECT_EQ(model.attributes()[1], attrByte(Attr::Mark));
}

TEST_F(ColorPassTest, LaterMarkWinsAndUndrawnMarkIsSkipped) {
    model.ReplaceRange(0, 0, "<b>abcdef</b>");
    model.AddMark(CMarkRecord{CMarkRecord::KindUser, 3, 7, attrIndex(Attr::Mark), "a", nullptr});
    model.AddMark(
        CMarkRecord{CMarkRecord::KindErrorLog, 5, 9, attrIndex(Attr::Special), "b", nullptr});
    model.AddMark(
        CMarkRecord{CMarkRecord::KindUser, 0, 13, CMarkRecord::ColourNotDrawn, "c", nullptr});
    ASSERT_TRUE(applyWholePass());
    EXPECT_EQ(styledText(model.text(), model.attributes()),
              "<{Tag}b{Default}>{Mark}ab{Special}cdef{Default}<{Tag}/b{Default}>");
}

TEST_F(ColorPassTest, MarkReachingPastTheTextIsDrawnUpToTheEnd) {
    model.ReplaceRange(0, 0, "abc");
    model.AddMark(CMarkRecord{CMarkRecord::KindUser, 1, 50, attrIndex(Attr::Mark), "m", nullptr});
    ASSERT_TRUE(applyWholePass());
    EXPECT_EQ(styledText(model.text(), model.attributes()), "a{Mark}bc");
}

// --- the region of a local pass ---------------------------------------------------

// The bytes a local pass over lines first..last recolours: whole lines,
// widened to any tag that spans them.
TEST(ColorRegionTest, CoversTheLinesAndEveryTagSpanningThem) {
    struct Case {
        const char* what;
        const char* text;
        int first;
        int last;
        const char* region; // nullptr: none
    };
    const Case cases[] = {
        {"PlainLineIsTheLineWithItsLineFeed", "ab\ncd\nef", 1, 1, "cd\n"},
        {"LastLineEndsAtTheEndOfTheText", "ab\ncd", 1, 1, "cd"},
        {"TagSpanningLinesWidensBothWays", "x <a\nhref=\"p\"\nname=q> y\nz", 1, 1,
         "<a\nhref=\"p\"\nname=q>"},
        {"ClosedTagBeforeTheLineKeepsTheLineStart", "<b>x\nab<i\n", 1, 1, "ab<i\n"},
        {"LineStartingWithATagStartsThere", "a>\n<b x\n=1>", 1, 1, "<b x\n=1>"},
        {"OpeningTagAfterTheLineKeepsTheEnd", "ab\ncd\n<e>", 1, 1, "cd\n"},
        {"SeveralLinesAreCoveredTogether", "l0\nl1\nl2\nl3", 1, 2, "l1\nl2\n"},
        {"LinesPastTheEndAreClampedToTheLastLine", "ab\n<c", 5, 9, "<c"},
        {"EmptyLineAfterTheFinalLineFeedIsEmpty", "<a\n", 1, 1, "<a\n"},
        {"EmptyTextHasAnEmptyRegion", "", 0, 0, ""},
        {"ReversedLinesGiveNoRegion", "a\nb", 1, 0, nullptr},
    };
    for (const Case& item : cases) {
        const std::string text = item.text;
        const auto region = ColorRegion::aroundLines(text, item.first, item.last);
        EXPECT_EQ(region.has_value(), item.region != nullptr) << item.what;
        if (region && item.region != nullptr) {
            EXPECT_EQ(text.substr(region->start, region->length()), item.region) << item.what;
        }
    }
}

TEST_F(ColorPassTest, RegionPassOverATagSpanningLinesMatchesTheWholePass) {
    std::string text = "<b>\n<a\nhref=\"p\"\nname=q>t</a>\n</b>";
    model.ReplaceRange(0, 0, text);
    ASSERT_TRUE(applyWholePass());
    std::vector<std::uint8_t> whole = model.attributes();
    model.SetAttributes(0, model.length(), attrByte(Attr::Default));
    auto region = ColorRegion::aroundLines(text, 2, 2);
    ASSERT_TRUE(region);
    ColorPassResult local = pass(model.GetRangeText(region->start, region->end), {}, region->start);
    local.generation = model.generation();
    ASSERT_TRUE(ColorApply::applyPass(model, local));
    for (int i = region->start; i < region->end; ++i)
        EXPECT_EQ(model.attributes()[i], whole[i]) << "at " << i;
}
