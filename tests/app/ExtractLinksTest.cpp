#include "app/ExtractLinks.h"

#include "app/LinkList.h"
#include "html/CTagData.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kTags = "A\n{\n(WITHIN) ROOT\nHREF\n{\n(LINK)\n(URL)\n}\n"
                                   "NAME\n{\n(STRING)\n}\n}\n"
                                   "IMG\n{\n(WITHIN) ROOT\nSRC\n{\n(LINK)\n}\n}\n";

// Every link as "TEXT" and its references as "FILE (ANCHOR) START END".
std::vector<std::string> describe(const LinkList& links) {
    std::vector<std::string> lines;
    for (const CLink& link : links.links()) {
        lines.push_back("[" + link.text + "]");
        for (const CLinkRef& ref : link.refs) {
            lines.push_back("  " + ref.listText() + " " + std::to_string(ref.start) + " " +
                            std::to_string(ref.end));
        }
    }
    return lines;
}

class ExtractLinksTest : public ::testing::Test {
protected:
    void SetUp() override { tagData.loadFromText(kTags, ""); }

    void extract(std::string_view text, const std::string& file) {
        ExtractLinks(tagData, text, "/site/" + file, "/site/", links);
    }

    CTagData tagData;
    LinkList links;
};

using Lines = std::vector<std::string>;

TEST_F(ExtractLinksTest, ThreeFilesReferringToOneTargetGiveOneLinkWithThreeReferences) {
    extract("<a href=\"page.html\">", "one.html");
    extract("<p><a href=page.html>", "two.html");
    extract("<a href=\"../page.html\">", "sub/three.html");
    EXPECT_EQ(describe(links), (Lines{"[page.html]", "  one.html 8 19", "  two.html 11 20",
                                      "  sub/three.html 8 22"}));
}

TEST_F(ExtractLinksTest, CaseIsKeptSoDifferentlyWrittenNamesAreTwoTargets) {
    extract("<a href=\"page.html#Part\"><A HREF=\"PAGE.HTML\">", "one.html");
    EXPECT_EQ(describe(links),
              (Lines{"[page.html]", "  one.html (#Part) 8 24", "[PAGE.HTML]", "  one.html 33 44"}));
}

TEST_F(ExtractLinksTest, RoutesThroughParentFoldersGroupUnderOneTarget) {
    extract("<img src=\"../img/logo.gif\">", "pages/a.html");
    extract("<img src=\"img/logo.gif\">", "b.html");
    extract("<img src=\"../../img/logo.gif\">", "pages/deep/c.html");
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links.links()[0].text, "img/logo.gif");
    EXPECT_EQ(links.links()[0].refs.size(), 3u);
}

TEST_F(ExtractLinksTest, WebAddressIsListedAsWrittenAndNotResolved) {
    extract("<a href=\"HTTP://Example.com/A.html#Top\">", "sub/one.html");
    EXPECT_EQ(describe(links),
              (Lines{"[HTTP://Example.com/A.html]", "  sub/one.html (#Top) 8 39"}));
}

TEST_F(ExtractLinksTest, SpanTakesTheBlanksAfterTheEqualsSignAndTheQuotes) {
    const std::string text = "<a href= \"x.html\"  name=n>";
    extract(text, "one.html");
    ASSERT_EQ(links.size(), 1u);
    const CLinkRef& ref = links.links()[0].refs[0];
    EXPECT_EQ(text.substr(ref.start, ref.end - ref.start), " \"x.html\"");
}

TEST_F(ExtractLinksTest, OnlyLinkArgumentsOfKnownTagsWithAValueCount) {
    extract("<a name=\"x.html\"><blink href=y.html><a href><img src=z.gif>", "one.html");
    EXPECT_EQ(describe(links), (Lines{"[z.gif]", "  one.html 53 58"}));
}

TEST_F(ExtractLinksTest, BinaryBytesBeforeALinkDoNotHideIt) {
    const char bytes[] = "\0\x01\xff<b\0>\x80<a href=\"x.html\">";
    const std::string text(bytes, sizeof bytes - 1);
    extract(text, "one.html");
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links.links()[0].text, "x.html");
    EXPECT_EQ(links.links()[0].refs[0].start, 16);
}

struct ValueCase {
    const char* name;
    std::string value; // written after "href="
    const char* file;
    std::string text;
    const char* anchor;
};

class LinkValueCases : public ExtractLinksTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(LinkValueCases, AreListedUnderTheirText) {
    const ValueCase& c = GetParam();
    extract("<a href=" + c.value + ">", c.file);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links.links()[0].text, c.text);
    EXPECT_EQ(links.links()[0].refs[0].anchor, c.anchor);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LinkValueCases,
    ::testing::Values(
        ValueCase{"Empty", "\"\"", "sub/a.html", "sub/", ""},
        ValueCase{"OnlyHash", "\"#\"", "a.html", "", "#"},
        ValueCase{"OnlyBookmark", "#top", "sub/a.html", "sub/", "#top"},
        ValueCase{"OnlyOnePairOfQuotesGoes", "\"\"\"\"", "a.html", "\"\"", ""},
        ValueCase{"Backslashes", "pics\\big\\x.gif", "sub/a.html", "sub/pics/big/x.gif", ""},
        ValueCase{"ParentBackslash", "..\\x.html", "sub/a.html", "x.html", ""},
        ValueCase{"AboveTheRoot", "../../../../x.html", "a.html", "../x.html", ""},
        ValueCase{"Colon", "mailto:Me@Example.com", "sub/a.html", "mailto:Me@Example.com", ""},
        ValueCase{"Long", std::string(100 * 1024, 'q'), "a.html", std::string(100 * 1024, 'q'), ""},
        ValueCase{"BlanksOutsideTheQuotes", "\t \"x.html\"\n ", "a.html", "x.html", ""},
        ValueCase{"BlanksInsideTheQuotesStay", "\" x.html\"", "a.html", " x.html", ""}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

} // namespace
