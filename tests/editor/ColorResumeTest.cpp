#include "editor/ColorResume.h"

#include "StyledText.h"
#include "editor/ColorApply.h"
#include "editor/TextModel.h"
#include "html/CTagData.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>

namespace {

constexpr const char* TagText = "B\n{\n}\n"
                                "A\n{\nHREF\n{\n(URL)\n}\n}\n"
                                "SCRIPT\n{\n(SUSPEND)\n}\n"
                                "PLAINTEXT\n{\n(TOTALSUSPEND)\n}\n";

// A model coloured by one whole-file pass and then, after each edit, by
// resuming that pass; every result is compared with a whole-file pass of the
// edited text.
class ColorResumeTest : public ::testing::Test {
protected:
    void SetUp() override { tags.loadFromText(TagText, ""); }

    ColorPassResult wholePass(ColorPassOptions options = {}) {
        return ColorPass(tags, options).run(model.text(), 0).value();
    }

    void load(std::string_view text, ColorPassOptions options = {}) {
        model.ReplaceRange(0, model.length(), text);
        ColorPassResult whole = wholePass(options);
        whole.generation = model.generation();
        ASSERT_TRUE(ColorApply::applyPass(model, whole));
        resume.reset(whole.resumePoints, model.generation());
    }

    // Edits, resumes and says whether the result is what a whole-file pass
    // gives; the region coloured is left in lastRegion.
    void editAndCompare(int start, int end, std::string_view text, ColorPassOptions options = {}) {
        ASSERT_EQ(model.ReplaceRange(start, end, text), EditResult::Done);
        ASSERT_TRUE(resume.follows(model.generation() - 1));
        std::optional<ColorPassResult> region =
            resume.recolour(ColorPass(tags, options), model.text(), model.lastChange());
        ASSERT_TRUE(region.has_value());
        region->generation = model.generation();
        ASSERT_TRUE(ColorApply::applyPass(model, *region));
        resume.setGeneration(model.generation());
        lastRegion = {region->regionStart, region->regionEnd()};
        const ColorPassResult whole = wholePass(options);
        ASSERT_EQ(styledText(model.text(), model.attributes()),
                  styledText(model.text(), whole.attributes))
            << "after replacing [" << start << ", " << end << ") with '" << text << "'";
        ASSERT_EQ(resume.points(), whole.resumePoints);
        ASSERT_TRUE(whole.upperCase.empty()) << "a name was left in lower case";
    }

    CTagData tags;
    TextModel model;
    ColorResume resume;
    std::pair<int, int> lastRegion;
};

std::string examplePages() {
    std::string pages;
    const auto site = std::filesystem::path(TAGWRIGHT_SOURCE_DIR) / "examples" / "site";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(site)) {
        if (entry.path().extension() != ".html")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        pages.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return pages;
}

} // namespace

// Each edit turns what follows it into something else: a tag, text, a quote
// that runs on, a comment, a suspended or a totally suspended stretch.
TEST_F(ColorResumeTest, EditsThatChangeWhatFollowsColourAsTheWholePass) {
    const std::string text = "x <b>y</b> <a href=\"u\">z</a> \"q\" <script>s<b>t</b></script>"
                             " <!-- c --> <b>w</b> end <a\nhref=v>n</a>";
    struct Case {
        const char* what;
        const char* at; // the edit starts where this first stands
        int removed;
        const char* inserted;
    };
    const Case cases[] = {
        {"a letter in plain text", " <b>", 0, "k"},
        {"a letter in a tag name", "b>y", 0, "r"},
        {"a new tag opening", "x", 0, "<"},
        {"a tag's closing bracket removed", ">y", 1, ""},
        {"a quote in plain text", "y<", 0, "\""},
        {"a quote inside a value", "u\"", 0, "\""},
        {"a comment opening", "x", 0, "<!--"},
        {"a suspending tag", "x", 0, "<script>"},
        {"the end of a suspension removed", "</script>", 9, ""},
        {"a totally suspending tag", "x", 0, "<plaintext>"},
        {"a line feed inside a tag", "href=v", 0, "\n"},
        // The scan after the first new tag stands where an old one stood
        // before the edit, moved: it must not stop before the edit's end.
        {"tags typed right after tags", " <a href", 0, "<i><br >"},
        {"everything removed", "x", static_cast<int>(text.size()), ""},
        {"the end of the text", "", 0, "<b"},
    };
    for (const Case& edit : cases) {
        SCOPED_TRACE(edit.what);
        load(text);
        const int start =
            *edit.at == 0 ? static_cast<int>(text.size()) : static_cast<int>(text.find(edit.at));
        editAndCompare(start, start + edit.removed, edit.inserted);
    }
}

TEST_F(ColorResumeTest, UpperCasesTheNamesOfTheRegionLikeTheWholePass) {
    ColorPassOptions upper;
    upper.upperTagNames = true;
    upper.upperArguments = true;
    load("<b>x</b> <a href=y>z</a>", upper);
    editAndCompare(11, 11, "r", upper);
    EXPECT_EQ(model.text(), "<B>x</B> <AR HREF=y>z</A>");
}

// Typed characters, deletions and pasted markup at random places of real
// pages, each recoloured by resuming the pass before it.
TEST_F(ColorResumeTest, RandomEditsOfRealPagesColourAsTheWholePass) {
    load(examplePages());
    std::mt19937 random(20);
    const std::string pieces[] = {"a", "<", ">",   "\"",   "/",    " ",   "=",        "\n",
                                  "-", "!", "<b>", "</a>", "<!--", "-->", "<script>", "</script>"};
    for (int step = 0; step < 400; ++step) {
        const int start = static_cast<int>(random() % (model.length() + 1));
        const int removed = random() % 3 == 0 ? std::min(3, model.length() - start) : 0;
        const std::string& piece = pieces[random() % std::size(pieces)];
        editAndCompare(start, start + removed, piece);
        if (HasFatalFailure())
            return;
    }
}

// What makes the typing fast: a letter typed between tags recolours a few
// bytes around it, not the rest of the page.
TEST_F(ColorResumeTest, ALetterBetweenTagsRecoloursOnlyAroundIt) {
    load(examplePages());
    const int middle = static_cast<int>(model.text().find("<p>", model.length() / 2)) + 3;
    editAndCompare(middle, middle, "k");
    EXPECT_LE(lastRegion.first, middle);
    EXPECT_GE(lastRegion.second, middle + 1);
    EXPECT_LT(lastRegion.second - lastRegion.first, 2000);
}

// A comment opened at the start hides every tag after it: the region would
// run to the end, so it is left to a whole-file pass.
TEST_F(ColorResumeTest, ARegionPastTheLimitIsRefusedAndThePointsForgotten) {
    std::string page = "<b>x</b>";
    while (static_cast<int>(page.size()) < 2 * ColorResume::MaxRegion)
        page += " <a href=y>z</a>";
    load(page);
    ASSERT_EQ(model.ReplaceRange(0, 0, "<!--"), EditResult::Done);
    EXPECT_FALSE(resume.recolour(ColorPass(tags, {}), model.text(), model.lastChange()));
    EXPECT_FALSE(resume.follows(model.generation() - 1));
}
