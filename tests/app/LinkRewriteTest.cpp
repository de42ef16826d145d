#include "app/LinkRewrite.h"

#include "app/CLinkRef.h"

#include <gtest/gtest.h>

namespace {

struct RewriteCase {
    const char* newPath; // relative to /site/, or an address
    const char* refFile; // relative to /site/
    const char* value;
};

class NewValueCases : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(NewValueCases, PointFromTheReferringFilesOwnFolder) {
    const RewriteCase& c = GetParam();
    EXPECT_EQ(LinkRewrite::NewValue(c.newPath, "/site/", c.refFile), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NewValueCases,
    ::testing::Values(RewriteCase{"pages/new.html", "index.html", "\"pages/new.html\""},
                      RewriteCase{"pages/new.html", "pages/old.html", "\"new.html\""},
                      RewriteCase{"pages/new.html", "a/b/c.html", "\"../../pages/new.html\""},
                      RewriteCase{"top.html", "a/b.html", "\"../top.html\""},
                      RewriteCase{"pages\\new.html", "a/b.html", "\"../pages/new.html\""},
                      RewriteCase{"../outside.html", "a/b.html", "\"../../outside.html\""},
                      RewriteCase{"http://Example.com/A\\B", "a/b.html",
                                  "\"http://Example.com/A/B\""},
                      RewriteCase{"", "a/b.html", "\"../\""}));

TEST(LinkRewriteHolds, ComparesTheSpanWithTheValueItWasFoundWith) {
    const CLinkRef ref("a.html", "", 8, 16, "x.html");
    EXPECT_TRUE(LinkRewrite::Holds("<a href=\"x.html\">", ref));
    EXPECT_TRUE(LinkRewrite::Holds("<a href= x.html  >", CLinkRef("a.html", "", 8, 17, "x.html")));
    EXPECT_FALSE(LinkRewrite::Holds("<a href=\"y.html\">", ref));
    EXPECT_FALSE(LinkRewrite::Holds("<a href=\"x.htm", ref)) << "a span past the end";
    EXPECT_FALSE(LinkRewrite::Holds("<a href=\"x.html\">", CLinkRef("a.html", "", 9, 8, "")));
}

} // namespace
