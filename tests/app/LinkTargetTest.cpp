#include "app/LinkTarget.h"

#include <gtest/gtest.h>

namespace {

using Kind = LinkTarget::Kind;

struct LinkCase {
    const char* value;
    const char* document;
    Kind kind;
    const char* target;
};

class LinkTargetCases : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkTargetCases, Resolves) {
    const LinkCase& c = GetParam();
    const LinkTarget link = LinkTarget::Resolve(c.value, c.document);
    EXPECT_EQ(link.kind, c.kind);
    EXPECT_EQ(link.target, c.target);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinkTargetCases,
    ::testing::Values(
        LinkCase{"\"page.html#part\"", "/site/a/doc.html", Kind::LocalFile, "/site/a/page.html"},
        LinkCase{"sub/page.html", "/site/a/doc.html", Kind::LocalFile, "/site/a/sub/page.html"},
        LinkCase{"sub\\page.html", "/site/a/doc.html", Kind::LocalFile, "/site/a/sub/page.html"},
        LinkCase{"\"../up.html\"", "/site/a/doc.html", Kind::LocalFile, "/site/up.html"},
        LinkCase{"\"logo.gif\"", "/site/a/doc.html", Kind::LocalFile, "/site/a/logo.gif"},
        // A bookmark alone stays in the document.
        LinkCase{"\"#top\"", "/site/a/doc.html", Kind::LocalFile, "/site/a/doc.html"},
        LinkCase{"\"#top\"", "", Kind::Unresolved, ""},
        LinkCase{"\"?page=2#top\"", "/site/a/doc.html", Kind::LocalFile, "/site/a/doc.html"},
        // Escapes and queries are read as a browser reads them.
        LinkCase{"\"my%20page.html?x=1#y\"", "/site/a/doc.html", Kind::LocalFile,
                 "/site/a/my page.html"},
        LinkCase{"\"/top.html\"", "/site/a/doc.html", Kind::LocalFile, "/site/a/top.html"},
        // Web addresses go unchanged to the desktop, bookmark aside.
        LinkCase{"\"http://example.com/a/b.html#x\"", "/site/doc.html", Kind::WebAddress,
                 "http://example.com/a/b.html"},
        LinkCase{"www.example.com", "/site/doc.html", Kind::WebAddress, "www.example.com"},
        LinkCase{"\"mailto:me@example.com\"", "", Kind::WebAddress, "mailto:me@example.com"},
        // An untitled document has no folder for a relative link.
        LinkCase{"\"page.html\"", "", Kind::Unresolved, "page.html"},
        LinkCase{"\"\"", "/site/doc.html", Kind::LocalFile, "/site/doc.html"}));

} // namespace
