#include "dialogs/AnchorHtml.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

struct AnchorCase {
    std::string name;
    AnchorFields fields;
    std::string element;
};

class AnchorHtmlTest : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(AnchorHtmlTest, WritesTheElement) {
    EXPECT_EQ(AnchorHtml::Element(GetParam().fields), GetParam().element);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AnchorHtmlTest,
    ::testing::Values(AnchorCase{"AllEmpty", {}, "<A></A>"},
                      AnchorCase{"CaptionOnly", {"", "", "", "Home"}, "<A>Home</A>"},
                      AnchorCase{"OnlyName", {"", "", "top", ""}, "<A NAME=top></A>"},
                      AnchorCase{"OnlyTarget", {"", "_blank", "", "x"}, "<A TARGET=_blank>x</A>"},
                      AnchorCase{"HrefTargetNameInThisOrder",
                                 {"sub/page.html", "_top", "n", "caption"},
                                 "<A HREF=sub/page.html TARGET=_top NAME=n>caption</A>"},
                      AnchorCase{"ValuesAsTypedWithQuotesAndBrackets",
                                 {"\"a b.html\"", "", "x<y>", "line\nfeed"},
                                 "<A HREF=\"a b.html\" NAME=x<y>>line\nfeed</A>"}),
    CaseName());

TEST(AnchorHtmlOpening, EndsBeforeTheCaption) {
    AnchorFields fields{"index.html", "", "", "Home"};
    EXPECT_EQ(AnchorHtml::Opening(fields), "<A HREF=index.html>");
    EXPECT_EQ(AnchorHtml::Closing, "</A>");
}

} // namespace
