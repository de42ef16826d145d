#include "html/CodeHelperChoice.h"

#include "CodeHelperTags.h"
#include "html/CTagData.h"
#include "html/ClosingTagPrefix.h"
#include "html/CodeHelperList.h"

#include <gtest/gtest.h>

namespace {

class CodeHelperChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { tags.loadFromText(CodeHelperTags, ""); }

    // Opens the CodeHelper with the caret at the "|" of marked.
    CodeHelperMode open(std::string marked) {
        const size_t caret = marked.find('|');
        marked.erase(caret, 1);
        text = marked;
        CodeHelperContext context{text, static_cast<int>(caret), static_cast<int>(caret),
                                  projectLinks};
        return ChooseCodeHelperEntries(tags, context, list).mode;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const CListEntry& entry : list.entries()) {
            result.push_back(entry.text);
        }
        return result;
    }

    CTagData tags;
    CodeHelperList list;
    std::string text;
    std::function<std::vector<std::string>()> projectLinks;
};

} // namespace

TEST_F(CodeHelperChoiceTest, ALessThanAndALetterOfferEveryTagSortedWithTheLetterSelected) {
    EXPECT_EQ(open("<t|"), CodeHelperMode::TagNames);
    EXPECT_EQ(texts(), (std::vector<std::string>{"A", "B", "BR", "TABLE", "TR"}));
    EXPECT_EQ(list.GetSelectedEntryText(), "TABLE");
    EXPECT_EQ(list.selectedInfo(), "Table");
    EXPECT_EQ(open("<|"), CodeHelperMode::TagNames) << "nothing typed yet";
    EXPECT_EQ(list.GetSelectedEntryText(), "A");
}

TEST_F(CodeHelperChoiceTest, ArgumentsOfTheTagWithoutWildcards) {
    EXPECT_EQ(open("<table a|"), CodeHelperMode::ArgumentNames);
    EXPECT_EQ(texts(), (std::vector<std::string>{"ALIGN", "BGCOLOR"}));
    EXPECT_EQ(list.GetSelectedEntryText(), "ALIGN");
    EXPECT_EQ(list.selectedInfo(), "Alignment");
    EXPECT_EQ(open("<table |"), CodeHelperMode::ArgumentNames) << "right after the blank";
    EXPECT_EQ(open("<br |"), CodeHelperMode::Hidden) << "only a wildcard: nothing to offer";
}

TEST_F(CodeHelperChoiceTest, PredefinedValuesSortedWithTheTypedOneSelected) {
    EXPECT_EQ(open("<table align=r|"), CodeHelperMode::Values);
    EXPECT_EQ(texts(), (std::vector<std::string>{"CENTER", "LEFT", "RIGHT"}));
    EXPECT_EQ(list.GetSelectedEntryText(), "RIGHT");
    EXPECT_EQ(open("<table align=|"), CodeHelperMode::Values);
    EXPECT_EQ(list.GetSelectedEntryText(), "CENTER");
    EXPECT_EQ(open("<table align=\"ri|"), CodeHelperMode::Values);
    EXPECT_EQ(list.GetSelectedEntryText(), "RIGHT") << "the opening quote is not matched";
}

struct HiddenCase {
    const char* marked;
    const char* why;
};

class CodeHelperHidden : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(CodeHelperHidden, StaysHiddenAndEmpty) {
    CTagData tags;
    tags.loadFromText(CodeHelperTags, "");
    std::string text = GetParam().marked;
    const int caret = static_cast<int>(text.find('|'));
    text.erase(static_cast<size_t>(caret), 1);
    CodeHelperList list;
    list.AddEntry("stale", "");
    const CodeHelperChoice choice =
        ChooseCodeHelperEntries(tags, CodeHelperContext{text, caret, caret, {}}, list);
    EXPECT_EQ(choice.mode, CodeHelperMode::Hidden) << GetParam().why;
    EXPECT_TRUE(list.empty()) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeHelperHidden,
    ::testing::Values(HiddenCase{"plain |text", "outside any tag"},
                      HiddenCase{"<b>bold|", "after a complete tag"},
                      HiddenCase{"|", "an empty text"}, HiddenCase{"<blink a|", "an unknown tag"},
                      HiddenCase{"<table width=|", "an unknown argument"},
                      HiddenCase{"<table bgcolor=|", "a colour has no values to list"},
                      HiddenCase{"<a href=|", "a link without a project"}));

TEST_F(CodeHelperChoiceTest, ALinkValueOffersTheProjectsFilesAsTheyAreGiven) {
    projectLinks = [] {
        return std::vector<std::string>{"pages/b.html", "index.html", "../up.html"};
    };
    EXPECT_EQ(open("<a href=\"|"), CodeHelperMode::Values);
    EXPECT_EQ(texts(), (std::vector<std::string>{"../up.html", "index.html", "pages/b.html"}));
    EXPECT_EQ(open("<a href=\"pa|"), CodeHelperMode::Values);
    EXPECT_EQ(list.GetSelectedEntryText(), "pages/b.html") << "file names keep their case";
    projectLinks = [] { return std::vector<std::string>{}; };
    EXPECT_EQ(open("<a href=|"), CodeHelperMode::Hidden) << "a project without files";
}

TEST_F(CodeHelperChoiceTest, ATagWith150ArgumentsListsThemAll) {
    std::string vocabulary = "WIDE\n{\n";
    for (int i = 149; i >= 0; --i) {
        vocabulary += "\tARG" + std::to_string(1000 + i) + "\n\t{\n\t\t(STRING)\n\t}\n";
    }
    vocabulary += "}\n";
    tags.loadFromText(vocabulary, "");
    EXPECT_EQ(open("<wide arg1075|"), CodeHelperMode::ArgumentNames);
    ASSERT_EQ(list.entries().size(), 150u);
    EXPECT_EQ(list.entries().front().text, "ARG1000");
    EXPECT_EQ(list.GetSelectedEntryText(), "ARG1075");
    EXPECT_EQ(list.top(), 71);
}

struct ClosingCase {
    const char* marked;
    const char* selected;
};

class CodeHelperClosingTag : public ::testing::TestWithParam<ClosingCase> {};

// "</" proposes the innermost tag still open before the caret; each tag
// counts as opened, those without a closing tag too.
TEST_P(CodeHelperClosingTag, ProposesTheTagLeftOpen) {
    CTagData tags;
    tags.loadFromText(CodeHelperTags, "");
    std::string text = GetParam().marked;
    const int caret = static_cast<int>(text.find('|'));
    text.erase(static_cast<size_t>(caret), 1);
    CodeHelperList list;
    const CodeHelperChoice choice =
        ChooseCodeHelperEntries(tags, CodeHelperContext{text, caret, caret, {}}, list);
    EXPECT_EQ(choice.mode, CodeHelperMode::TagNames);
    EXPECT_EQ(list.GetSelectedEntryText(), GetParam().selected) << GetParam().marked;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeHelperClosingTag,
    ::testing::Values(ClosingCase{"<table><tr>cell</|", "TR"},
                      ClosingCase{"<table><tr>cell</tr></|", "TABLE"},
                      ClosingCase{"<table>\n<tr align=\"a>b\">\n</tr>\n</|", "TABLE"},
                      ClosingCase{"<table><br></|", "BR"}, ClosingCase{"text only </|", "A"},
                      ClosingCase{"<table></table></|", "A"}, ClosingCase{"<table></t|", "TABLE"},
                      ClosingCase{"<table></b|", "B"}));

TEST(ClosingTagPrefix, WalksOverNestedPairsAndStopsAtTheStart) {
    const std::string text = "<p><a><b>x</b></a> 3 > 2 </";
    const int end = static_cast<int>(text.size());
    EXPECT_EQ(ClosingTagPrefix(text, end).value_or("none"), "p");
    EXPECT_EQ(ClosingTagPrefix(text, 6).value_or("none"), "a");
    EXPECT_EQ(ClosingTagPrefix("</a></b>", 8).value_or("none"), "none");
    EXPECT_EQ(ClosingTagPrefix("", 0).value_or("none"), "none");
    EXPECT_EQ(ClosingTagPrefix("<b>", 99).value_or("none"), "b") << "a caret past the end";
}

// The one tag is a megabyte above the caret: one pass over the text finds it.
TEST(ClosingTagPrefix, FindsATagFarAboveInAFullDocument) {
    std::string text = "<body>" + std::string(1'048'500, 'x') + "\n</";
    EXPECT_EQ(ClosingTagPrefix(text, static_cast<int>(text.size())).value_or("none"), "body");
}
