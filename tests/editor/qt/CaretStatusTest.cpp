#include "editor/qt/CaretStatus.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct CaretCase {
    const char* name;
    std::string text;
    int start;
    int caret;
    const char* shown;
};

class CaretStatusTest : public ::testing::TestWithParam<CaretCase> {};

TEST_P(CaretStatusTest, DescribesTheCaretAsPainted) {
    const CaretCase& c = GetParam();
    EXPECT_EQ(CaretStatus::of(c.text, c.start, c.caret).describe(), c.shown);
}

// "\xC3\xA9" is one two-byte character, "\xE2\x82\xAC" one of three.
INSTANTIATE_TEST_SUITE_P(
    Texts, CaretStatusTest,
    ::testing::Values(
        CaretCase{"Empty", "", 0, 0, "Ln 1, Col 1"},
        CaretCase{"SecondLine", "ab\ncd", 4, 4, "Ln 2, Col 2"},
        CaretCase{"AfterFinalLineFeed", "ab\n", 3, 3, "Ln 2, Col 1"},
        CaretCase{"TwoByteCharacterIsOneColumn",
                  "\xC3\xA9"
                  "a",
                  3, 3, "Ln 1, Col 3"},
        CaretCase{"ThreeByteCharacterIsOneColumn", "x\n\xE2\x82\xAC!", 5, 5, "Ln 2, Col 2"},
        CaretCase{"LeadingTab", "\tx", 1, 1, "Ln 1, Col 5"},
        CaretCase{"TabAfterALetterTakesItsPaintedWidth", "a\tb", 2, 2, "Ln 1, Col 6"},
        CaretCase{"SelectionCountsCharactersNotBytes", "h\xC3\xA9llo", 0, 6,
                  "Ln 1, Col 6, 5 selected"},
        CaretCase{"SelectionOverALineFeed", "ab\ncd", 1, 4, "Ln 2, Col 2, 3 selected"},
        CaretCase{"StrayByteIsOneCharacter", "\xFF\xFE", 0, 2, "Ln 1, Col 3, 2 selected"},
        CaretCase{"CaretPastTheEndIsClamped", "ab", 0, 9, "Ln 1, Col 3, 2 selected"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
