#include "html/CCaretTag.h"

#include <gtest/gtest.h>

namespace {

constexpr std::string_view kTag = "<a href=\"x.html\" target=_top>";

CCaretTag classifiedAt(std::string_view text, int position) {
    std::optional<CCaretTag> tag = CaretTagAt(text, position);
    EXPECT_TRUE(tag.has_value()) << "position " << position;
    if (!tag)
        return {};
    ClassifyCaretTag(*tag);
    return *tag;
}

std::string_view spanText(std::string_view text, const CCaretTag& tag, int which) {
    std::optional<TextSpan> span = CaretTagSpan(tag, which);
    EXPECT_TRUE(span.has_value());
    return span ? text.substr(span->start, span->end - span->start) : std::string_view();
}

TEST(CaretTagTest, FindsTheTagAroundAPosition) {
    std::optional<CCaretTag> tag = CaretTagAt(kTag, 5);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->start, 1);
    EXPECT_EQ(tag->end, 27);
    EXPECT_EQ(tag->text, "a href=\"x.html\" target=_top");
    EXPECT_EQ(tag->selOffset, 4);
    EXPECT_EQ(tag->caretOffset, 4);
    EXPECT_EQ(tag->firstWord(), "a");
}

TEST(CaretTagTest, NoTagOutsideBracketsOrOnTheClosingBracket) {
    EXPECT_FALSE(CaretTagAt("<b>text", 5));
    EXPECT_FALSE(CaretTagAt("plain text", 3));
    EXPECT_FALSE(CaretTagAt("", 0));
    EXPECT_FALSE(CaretTagAt(kTag, 28)); // the ">" itself
    EXPECT_FALSE(CaretTagAt("<b>", 0, 0));
    EXPECT_TRUE(CaretTagAt(kTag, 28, 28)); // just before ">" in the editor form
}

TEST(CaretTagTest, WalksBackAcrossLinesButStopsAtTheLineEndGoingForward) {
    std::string_view text = "<a\nhref=x>";
    CCaretTag tag = classifiedAt(text, 4);
    EXPECT_EQ(tag.text, "a");
    EXPECT_EQ(tag.end, 1);
    EXPECT_EQ(tag.positionClass, CCaretTag::InArgument);
    EXPECT_EQ(tag.argText, "");
}

TEST(CaretTagTest, ClassesAlongATag) {
    struct Case {
        int position;
        int positionClass;
    } cases[] = {
        {1, CCaretTag::InName},      {2, CCaretTag::AtNameEnd},
        {5, CCaretTag::InArgument},  {7, CCaretTag::AfterArgumentName},
        {9, CCaretTag::InValue},     {16, CCaretTag::AtValueEnd},
        {19, CCaretTag::InArgument}, {26, CCaretTag::InValue},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classifiedAt(kTag, c.position).positionClass, c.positionClass) << c.position;
    std::optional<CCaretTag> end = CaretTagAt(kTag, 28, 28);
    ASSERT_TRUE(end);
    ClassifyCaretTag(*end);
    EXPECT_EQ(end->positionClass, CCaretTag::AtValueEnd);
}

TEST(CaretTagTest, ArgumentAndValueTextsAndSpans) {
    CCaretTag tag = classifiedAt(kTag, 9);
    EXPECT_EQ(tag.argText, "href=\"x.html\"");
    EXPECT_EQ(tag.argStart, 1);
    EXPECT_EQ(tag.argEnd, 15);
    EXPECT_EQ(tag.argumentName(), "href");
    EXPECT_EQ(tag.valueText, "\"x.html\"");
    EXPECT_EQ(tag.valueStart, 6);
    EXPECT_EQ(spanText(kTag, tag, CCaretTag::SpanName), "a");
    EXPECT_EQ(spanText(kTag, tag, CCaretTag::SpanArgumentName), "href");
    EXPECT_EQ(spanText(kTag, tag, CCaretTag::SpanValue), "\"x.html\"");
    EXPECT_FALSE(CaretTagSpan(tag, 299));
    EXPECT_FALSE(CaretTagSpan(tag, 303));

    CCaretTag last = classifiedAt(kTag, 26);
    EXPECT_EQ(last.argText, "target=_top");
    EXPECT_EQ(spanText(kTag, last, CCaretTag::SpanValue), "_top");
}

TEST(CaretTagTest, CaretRightAfterTheOpeningBracket) {
    std::optional<CCaretTag> tag = CaretTagAt("x <", 3, 3);
    ASSERT_TRUE(tag);
    ClassifyCaretTag(*tag);
    EXPECT_EQ(tag->firstWord(), "");
    EXPECT_EQ(tag->positionClass, CCaretTag::AtNameEnd);
}

TEST(CaretTagTest, ArgumentWithoutValueRunsIntoTheNextOnesValue) {
    std::string_view text = "<td nowrap width=5>";
    CCaretTag onName = classifiedAt(text, 5);
    EXPECT_EQ(onName.positionClass, CCaretTag::InArgument);
    EXPECT_EQ(onName.argText, "nowrap width=5");
    EXPECT_EQ(onName.argumentName(), "nowrap");
    CCaretTag onValue = classifiedAt(text, 17);
    EXPECT_EQ(onValue.positionClass, CCaretTag::InValue);
    EXPECT_EQ(onValue.valueText, "5");
}

TEST(CaretTagTest, SelectionStartDecidesTheArgumentAndCaretTheClass) {
    std::optional<CCaretTag> tag = CaretTagAt(kTag, 9, 12);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->selOffset, 8);
    EXPECT_EQ(tag->caretOffset, 11);
    ClassifyCaretTag(*tag);
    EXPECT_EQ(tag->positionClass, CCaretTag::InValue);
}

} // namespace
