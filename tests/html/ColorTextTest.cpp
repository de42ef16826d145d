#include "html/ColorText.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
    const char* text;
    bool hasValue;
    std::uint32_t value;
    const char* name;
};

class ColorTextRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ColorTextRead, ValueOrName) {
    const ColorChoice choice = ColorText::Read(GetParam().text);
    EXPECT_EQ(choice.hasValue, GetParam().hasValue) << GetParam().text;
    EXPECT_EQ(choice.value, GetParam().value) << GetParam().text;
    EXPECT_EQ(choice.name, GetParam().name) << GetParam().text;
    EXPECT_EQ(choice.byName, !GetParam().hasValue) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColorTextRead,
    ::testing::Values(ReadCase{"#FF0000", true, 0xFF0000, ""},
                      ReadCase{"\"#00ff00\"", true, 0x00FF00, ""},
                      ReadCase{"#0000FF", true, 0x0000FF, ""}, ReadCase{"#F00", true, 0xF00, ""},
                      ReadCase{"#12345678", true, 0x123456, ""}, ReadCase{"#", true, 0, ""},
                      ReadCase{"\"Red\"", false, 0, "Red"}, ReadCase{"navy", false, 0, "navy"},
                      ReadCase{"\"", false, 0, ""}, ReadCase{"", false, 0, ""}));

struct WriteCase {
    ColorTextCaller caller;
    const char* blue;
    const char* named;
};

class ColorTextWrite : public ::testing::TestWithParam<WriteCase> {};

// Pure blue, and the name "Navy", as each caller writes them.
TEST_P(ColorTextWrite, EachCallerItsOwnWay) {
    EXPECT_EQ(ColorText::Write({0x0000FF, "", false, true}, GetParam().caller), GetParam().blue);
    EXPECT_EQ(ColorText::Write({0x0000FF, "Navy", true, false}, GetParam().caller),
              GetParam().named);
    // By Name with nothing typed still gives the number.
    EXPECT_EQ(ColorText::Write({0x0000FF, "", true, false}, GetParam().caller), GetParam().blue);
}

INSTANTIATE_TEST_SUITE_P(
    Callers, ColorTextWrite,
    ::testing::Values(WriteCase{ColorTextCaller::ChooseParameter, "\"#0000FF\"", "NAVY"},
                      WriteCase{ColorTextCaller::InsertTag, "\"#0000FF\"", "NAVY"},
                      WriteCase{ColorTextCaller::InsertTable, "#0000ff", "Navy"},
                      WriteCase{ColorTextCaller::InsertFrames, "#0000ff", "Navy"}));

TEST(ColorText, WritesSixDigitsForEveryValue) {
    EXPECT_EQ(ColorText::Write({0, "", false, true}, ColorTextCaller::InsertTable), "#000000");
    EXPECT_EQ(ColorText::Write({0xABCDEF, "", false, true}, ColorTextCaller::InsertTable),
              "#abcdef");
    EXPECT_EQ(ColorText::Write({0x10, "", false, true}, ColorTextCaller::ChooseParameter),
              "\"#000010\"");
}

// A field above 255 is held at 255 instead of spilling into the next
// channel: 300 blue must not turn into a green of 1.
TEST(ColorText, ChannelsAreHeldToTheirRange) {
    EXPECT_EQ(ColorText::ChannelFromText("300"), 255u);
    EXPECT_EQ(ColorText::ChannelFromText("99999999999999"), 255u);
    EXPECT_EQ(ColorText::ChannelFromText("128"), 128u);
    EXPECT_EQ(ColorText::ChannelFromText(" 12x"), 12u);
    EXPECT_EQ(ColorText::ChannelFromText("x"), 0u);
    EXPECT_EQ(ColorText::ChannelFromText(""), 0u);
    EXPECT_EQ(ColorText::Combine(0, 0, 300), 0x0000FFu);
    EXPECT_EQ(ColorText::Combine(1, 2, 3), 0x010203u);
    EXPECT_EQ(ColorText::Red(0x123456), 0x12u);
    EXPECT_EQ(ColorText::Green(0x123456), 0x34u);
    EXPECT_EQ(ColorText::Blue(0x123456), 0x56u);
}

} // namespace
