#include "editor/ColorPass.h"

#include "editor/ColorApply.h"
#include "editor/ColorRegion.h"
#include "editor/TextModel.h"
#include "html/CTagData.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stop_token>
#include <string>
#include <vector>

namespace {

constexpr const char* TagText = "B\n{\n}\n"
                                "I\n{\n}\n"
                                "A\n{\nHREF\n{\n(URL)\n}\nNAME\n{\n}\n}\n"
                                "SCRIPT\n{\n(SUSPEND)\n}\n"
                                "PLAINTEXT\n{\n(TOTALSUSPEND)\n}\n";

// The text with "{n}" written wherever the colour index changes, so that a
// failure shows which bytes got which colour.
std::string styled(std::string_view text, const std::vector<std::uint8_t>& attributes) {
    std::string out;
    int current = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (attributes[i] != current) {
            current = attributes[i];
            out += '{';
            out += std::to_string(current);
            out += '}';
        }
        out += text[i];
    }
    return out;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ColorPassTest : public ::testing::Test {
protected:
    void SetUp() override { tags.loadFromText(TagText, ""); }

    ColorPassResult pass(std::string_view text, ColorPassOptions options = {}, int start = 0) {
        std::optional<ColorPassResult> result = ColorPass(tags, options).run(text, start);
        EXPECT_TRUE(result.has_value());
        return result.value_or(ColorPassResult{});
    }

    std::string styledPass(std::string_view text) { return styled(text, pass(text).attributes); }

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

TEST_F(ColorPassTest, BoldElementColoursOnlyTheNamesAndTheClosingSlash) {
    EXPECT_EQ(styledPass("x<b>y</b>z"), "x<{2}b{0}>y<{2}/b{0}>z");
}

TEST_F(ColorPassTest, AnchorArgumentNameAndQuotedValue) {
    EXPECT_EQ(styledPass("<a href=\"p.htm\">go</a>"),
              "<{2}a{0} {3}href{0}={10}\"p.htm\"{0}>go<{2}/a{0}>");
}

TEST_F(ColorPassTest, ArgumentWithoutValueGetsOnlyTheArgumentColour) {
    EXPECT_EQ(styledPass("<a name>"), "<{2}a{0} {3}name{0}>");
}

TEST_F(ColorPassTest, UnknownTagsAreColouredLikeKnownOnes) {
    EXPECT_EQ(styledPass("<blink x=1>"), "<{2}blink{0} {3}x{0}={10}1{0}>");
}

TEST_F(ColorPassTest, TagInsideACommentIsNotColoured) {
    EXPECT_EQ(styledPass("<!-- <b>x</b> --><i>"), "<!-- <b>x</b> --><{2}i{0}>");
}

TEST_F(ColorPassTest, AngleBracketInsideQuotedValueDoesNotEndTheTag) {
    EXPECT_EQ(styledPass("<a name=\"a>b\">t"), "<{2}a{0} {3}name{0}={10}\"a>b\"{0}>t");
}

TEST_F(ColorPassTest, SelfClosingSlashIsNotPartOfTheName) {
    EXPECT_EQ(styledPass("<b/>"), "<{2}b{0}/>");
}

TEST_F(ColorPassTest, SuspendingTagStopsColouringUntilItsClosingTag) {
    EXPECT_EQ(styledPass("<script>if(a<b&&c>d)<i>x</i></script><b>"),
              "<{2}script{0}>if(a<b&&c>d)<i>x</i><{2}/script{0}><{2}b{0}>");
}

TEST_F(ColorPassTest, SuspensionIgnoresClosingTagsOfOtherNames) {
    EXPECT_EQ(styledPass("<script></b><b></script>"), "<{2}script{0}></b><b><{2}/script{0}>");
}

TEST_F(ColorPassTest, ClosingTagOfASuspendingTagDoesNotSuspend) {
    EXPECT_EQ(styledPass("</script><b>"), "<{2}/script{0}><{2}b{0}>");
}

TEST_F(ColorPassTest, SuspendingTagInUpperOrLowerCaseEndsOnEitherCase) {
    EXPECT_EQ(styledPass("<SCRIPT><b></script><i>"), "<{2}SCRIPT{0}><b><{2}/script{0}><{2}i{0}>");
}

TEST_F(ColorPassTest, TotalSuspendStopsColouringForTheRestOfThePass) {
    EXPECT_EQ(styledPass("<b><plaintext x=1><i></plaintext><b>"),
              "<{2}b{0}><{2}plaintext{0} {3}x{0}={10}1{0}><i></plaintext><b>");
}

TEST_F(ColorPassTest, UnterminatedTagAtTheEndIsLeftAlone) {
    EXPECT_EQ(styledPass("<b>x<i"), "<{2}b{0}>x<i");
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
    EXPECT_EQ(result.attributes[1], ColorPass::TagIndex);
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
    EXPECT_EQ(styledPass("<xmp><b>"), "<{2}xmp{0}><{2}b{0}>");
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
    EXPECT_EQ(styled(model.text(), model.attributes()),
              "<{2}A{0} {3}HREF{0}={10}\"p.htm\"{0}>x<{2}/A{0}>");
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
    model.SetAttributes(0, model.length(), 7);
    ColorPassResult region = pass(model.GetRangeText(8, 11), {}, 8); // "<i>"
    region.generation = model.generation();
    ASSERT_TRUE(ColorApply::applyPass(model, region));
    EXPECT_EQ(styled(model.text(), model.attributes()), "{7}<b>x</b>{0}<{2}i{0}>{7}y</i>");
}

TEST_F(ColorPassTest, MarksWinOverTagColours) {
    model.ReplaceRange(0, 0, "<a href=\"p\">x</a>");
    model.AddMark(CMarkRecord{CMarkRecord::KindUser, 1, 5, 4, "m", nullptr});
    ASSERT_TRUE(applyWholePass());
    EXPECT_EQ(styled(model.text(), model.attributes()),
              "<{4}a hr{3}ef{0}={10}\"p\"{0}>x<{2}/a{0}>");
    ASSERT_TRUE(applyWholePass());
    EXPECT_EQ(model.attributes()[1], 4);
}

TEST_F(ColorPassTest, LaterMarkWinsAndUndrawnMarkIsSkipped) {
    model.ReplaceRange(0, 0, "<b>abcdef</b>");
    model.AddMark(CMarkRecord{CMarkRecord::KindUser, 3, 7, 4, "a", nullptr});
    model.AddMark(CMarkRecord{CMarkRecord::KindErrorLog, 5, 9, 6, "b", nullptr});
    model.AddMark(
        CMarkRecord{CMarkRecord::KindUser, 0, 13, CMarkRecord::ColourNotDrawn, "c", nullptr});
    ASSERT_TRUE(applyWholePass());
    EXPECT_EQ(styled(model.text(), model.attributes()), "<{2}b{0}>{4}ab{6}cdef{0}<{2}/b{0}>");
}

TEST_F(ColorPassTest, MarkReachingPastTheTextIsDrawnUpToTheEnd) {
    model.ReplaceRange(0, 0, "abc");
    model.marks().push_back(CMarkRecord{CMarkRecord::KindUser, 1, 50, 4, "m", nullptr});
    ASSERT_TRUE(applyWholePass());
    EXPECT_EQ(styled(model.text(), model.attributes()), "a{4}bc");
}

// --- the region of a local pass ---------------------------------------------------

TEST(ColorRegionTest, PlainLineIsTheLineWithItsLineFeed) {
    std::string text = "ab\ncd\nef";
    auto region = ColorRegion::aroundLines(text, 1, 1);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "cd\n");
}

TEST(ColorRegionTest, LastLineEndsAtTheEndOfTheText) {
    std::string text = "ab\ncd";
    auto region = ColorRegion::aroundLines(text, 1, 1);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "cd");
}

TEST(ColorRegionTest, TagSpanningLinesWidensBothWays) {
    std::string text = "x <a\nhref=\"p\"\nname=q> y\nz";
    auto region = ColorRegion::aroundLines(text, 1, 1);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "<a\nhref=\"p\"\nname=q>");
}

TEST(ColorRegionTest, ClosedTagBeforeTheLineKeepsTheLineStart) {
    std::string text = "<b>x\nab<i\n";
    auto region = ColorRegion::aroundLines(text, 1, 1);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "ab<i\n");
}

TEST(ColorRegionTest, LineStartingWithATagStartsThere) {
    std::string text = "a>\n<b x\n=1>";
    auto region = ColorRegion::aroundLines(text, 1, 1);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "<b x\n=1>");
}

TEST(ColorRegionTest, OpeningTagAfterTheLineKeepsTheEnd) {
    std::string text = "ab\ncd\n<e>";
    auto region = ColorRegion::aroundLines(text, 1, 1);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "cd\n");
}

TEST(ColorRegionTest, SeveralLinesAreCoveredTogether) {
    std::string text = "l0\nl1\nl2\nl3";
    auto region = ColorRegion::aroundLines(text, 1, 2);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "l1\nl2\n");
}

TEST(ColorRegionTest, LinesPastTheEndAreClampedToTheLastLine) {
    std::string text = "ab\n<c";
    auto region = ColorRegion::aroundLines(text, 5, 9);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "<c");
}

TEST(ColorRegionTest, EmptyLineAfterTheFinalLineFeedIsEmpty) {
    std::string text = "<a\n";
    auto region = ColorRegion::aroundLines(text, 1, 1);
    ASSERT_TRUE(region);
    EXPECT_EQ(text.substr(region->start, region->length()), "<a\n");
    auto empty = ColorRegion::aroundLines("", 0, 0);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->length(), 0);
}

TEST(ColorRegionTest, ReversedLinesGiveNoRegion) {
    EXPECT_FALSE(ColorRegion::aroundLines("a\nb", 1, 0));
}

TEST_F(ColorPassTest, RegionPassOverATagSpanningLinesMatchesTheWholePass) {
    std::string text = "<b>\n<a\nhref=\"p\"\nname=q>t</a>\n</b>";
    model.ReplaceRange(0, 0, text);
    ASSERT_TRUE(applyWholePass());
    std::vector<std::uint8_t> whole = model.attributes();
    model.SetAttributes(0, model.length(), 0);
    auto region = ColorRegion::aroundLines(text, 2, 2);
    ASSERT_TRUE(region);
    ColorPassResult local = pass(model.GetRangeText(region->start, region->end), {}, region->start);
    local.generation = model.generation();
    ASSERT_TRUE(ColorApply::applyPass(model, local));
    for (int i = region->start; i < region->end; ++i)
        EXPECT_EQ(model.attributes()[i], whole[i]) << "at " << i;
}

// --- golden files: tests/data/color/*.html against *.styled -----------------------

TEST_F(ColorPassTest, GoldenFilesWithTheInstalledTagData) {
    CTagData installed;
    installed.LoadTagData(TAGWRIGHT_SOURCE_DIR "/data/Data/Tags.txt",
                          TAGWRIGHT_SOURCE_DIR "/data/Data/Colors.txt");
    const std::filesystem::path dir = TAGWRIGHT_TEST_DATA_DIR "/color";
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".html")
            continue;
        TextModel document;
        ASSERT_EQ(document.LoadFile(entry.path()), FileResult::Ok) << entry.path();
        auto result = ColorPass(installed, {}).run(document.text(), 0);
        ASSERT_TRUE(result);
        std::string actual = styled(document.text(), result->attributes);
        std::filesystem::path reference = entry.path();
        reference.replace_extension(".styled");
        if (readFile(reference) != actual) {
            std::ofstream(reference.string() + ".new", std::ios::binary) << actual;
            ADD_FAILURE() << "colours differ for " << entry.path() << "; see " << reference.string()
                          << ".new";
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}
