#include "editor/WordJump.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every stop from one end of the text to the other.
std::vector<int> stopsForward(const std::string& text) {
    std::vector<int> stops;
    for (int at = 0; at < static_cast<int>(text.size());) {
        const int next = WordJump::next(text, at);
        if (next <= at) {
            ADD_FAILURE() << "no progress at " << at;
            break;
        }
        stops.push_back(at = next);
    }
    return stops;
}

std::vector<int> stopsBackward(const std::string& text) {
    std::vector<int> stops;
    for (int at = static_cast<int>(text.size()); at > 0;) {
        const int previous = WordJump::previous(text, at);
        if (previous >= at) {
            ADD_FAILURE() << "no progress at " << at;
            break;
        }
        stops.push_back(at = previous);
    }
    return stops;
}

struct JumpCase {
    const char* name;
    std::string text;
    std::vector<int> forward;
    std::vector<int> backward;
};

class WordJumpTest : public ::testing::TestWithParam<JumpCase> {};

TEST_P(WordJumpTest, StopsWhereAWebAuthorExpects) {
    EXPECT_EQ(stopsForward(GetParam().text), GetParam().forward);
    EXPECT_EQ(stopsBackward(GetParam().text), GetParam().backward);
}

INSTANTIATE_TEST_SUITE_P(Texts, WordJumpTest,
                         ::testing::Values(
                             // Words and the blanks after them.
                             JumpCase{"Words", "one two_2  three", {4, 11, 16}, {11, 4, 0}},
                             // "<", ">" and each quote stop the jump; "=" is a run of its own.
                             JumpCase{"Tag",
                                      "<a href=\"x.html\">",
                                      {1, 3, 7, 8, 9, 10, 11, 15, 16, 17},
                                      {16, 15, 11, 10, 9, 8, 7, 3, 1, 0}},
                             JumpCase{"SingleQuotes", "='a'", {1, 2, 3, 4}, {3, 2, 1, 0}},
                             // A line end is one step; blanks that start a line end the jump at
                             // the line's start going back.
                             JumpCase{"Lines", "ab\n  cd", {2, 3, 5, 7}, {5, 3, 2, 0}},
                             // Multi-byte characters are letters and are never split.
                             JumpCase{"Utf8", "caf\xC3\xA9 \xE2\x82\xAC", {6, 9}, {6, 0}},
                             JumpCase{"Punctuation", "a::b", {1, 3, 4}, {3, 1, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WordJump, OffsetsOutsideTheTextAreClamped) {
    EXPECT_EQ(WordJump::next("ab", 7), 2);
    EXPECT_EQ(WordJump::next("ab", -3), 2);
    EXPECT_EQ(WordJump::previous("ab", 9), 0);
    EXPECT_EQ(WordJump::previous("", 0), 0);
}

} // namespace
