#include "app/BrokenLinkFinder.h"

#include "TempDir.h"
#include "app/LocalTarget.h"
#include "html/CTagData.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kTags = "A\n{\n(WITHIN) ROOT\nHREF\n{\n(LINK)\n}\n}\n"
                                   "IMG\n{\n(WITHIN) ROOT\nSRC\n{\n(LINK)\n}\n}\n";

class BrokenLinkFinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        tagData.loadFromText(kTags, "");
        dir.write("page.html", "<h1 id=\"Top\">x</h1><a name=old></a>");
        dir.write("docs/index.htm", "<p id=intro>");
        dir.write("empty/readme.txt", "no index here");
        dir.write("logo.gif", "GIF89a");
    }

    // Each broken reference of text (in a page at the site's root) as
    // "START MESSAGE: VALUE".
    std::vector<std::string> broken(const std::string& text, const std::string& file = "a.html") {
        BrokenLinkFinder finder(tagData, dir.dir(), "*.html;*.htm");
        std::vector<std::string> lines;
        for (const BrokenLink& link : finder.find(text, dir.dir() + file)) {
            lines.push_back(std::to_string(link.start) + " " + link.message() + ": " + link.value);
        }
        return lines;
    }

    TempDir dir;
    CTagData tagData;
};

using Lines = std::vector<std::string>;

TEST_F(BrokenLinkFinderTest, MissingPageIsReportedWithItsValueAsWritten) {
    EXPECT_EQ(broken("<a href=\"Missing.html#x\"><a href=page.html>"),
              (Lines{"8 link target not found: Missing.html#x"}));
}

TEST_F(BrokenLinkFinderTest, BookmarksMatchIdsAndNamesExactly) {
    EXPECT_EQ(broken("<a href=page.html#Top><a href=page.html#old><a href=page.html#top>"),
              (Lines{"52 bookmark not found: page.html#top"}));
}

TEST_F(BrokenLinkFinderTest, BookmarkOfThePageItselfIsLookedUpInItsText) {
    EXPECT_EQ(broken("<p id=here><a href=#here><a href=\"#gone\"><a href=#>"),
              (Lines{"33 bookmark not found: #gone"}));
}

TEST_F(BrokenLinkFinderTest, FolderCountsOnlyWithAnIndexPage) {
    EXPECT_EQ(broken("<a href=docs/><a href=docs#intro><a href=docs/#nothing><a href=empty/>"),
              (Lines{"41 bookmark not found: docs/#nothing", "63 link target not found: empty/"}));
}

TEST_F(BrokenLinkFinderTest, WebAddressesAreNeverReported) {
    EXPECT_EQ(broken("<a href=\"http://nowhere.invalid/x.html\"><a href=//cdn.invalid/x.js>"
                     "<a href=mailto:x@y.invalid><a href=\"javascript:void(0)\">"
                     "<a href=\" https://blank.invalid/ \">"),
              Lines{});
}

TEST_F(BrokenLinkFinderTest, RelativeRoutesQueriesEscapesAndBackslashesReachTheFile) {
    dir.write("sub/my page.html", "<a id=a>");
    EXPECT_EQ(broken("<img src=../logo.gif><a href=\"my%20page.html?q=1#a\">"
                     "<a href=..\\page.html><a href=/logo.gif>",
                     "sub/b.html"),
              Lines{});
}

TEST_F(BrokenLinkFinderTest, BookmarksOfNonHtmlTargetsAreNotLookedFor) {
    EXPECT_EQ(broken("<a href=logo.gif#x>"), Lines{});
}

struct AddressCase {
    const char* value;
    bool web;
};

class WebAddressCases : public ::testing::TestWithParam<AddressCase> {};

TEST_P(WebAddressCases, AreToldFromFiles) {
    EXPECT_EQ(LocalTarget::IsWebAddress(GetParam().value), GetParam().web) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, WebAddressCases,
    ::testing::Values(AddressCase{"http://x", true}, AddressCase{"MAILTO:a@b", true},
                      AddressCase{"svn+ssh://h/p", true}, AddressCase{"//cdn/x.js", true},
                      AddressCase{"jquery.min.js", false}, AddressCase{"dir/a:b.html", false},
                      AddressCase{"1x:y", false}, AddressCase{"", false},
                      AddressCase{":x", false}));

} // namespace
