#include "html/AsciiText.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string byteByByteUpper(std::string_view text) {
    std::string result;
    for (char c : text)
        result += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return result;
}

TEST(AsciiTextTest, UpperChangesOnlyAsciiLetters) {
    for (int byte = 0; byte < 256; ++byte) {
        char c = static_cast<char>(byte);
        char expected = byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 32) : c;
        EXPECT_EQ(AsciiText::upper(c), expected) << byte;
    }
}

TEST(AsciiTextTest, AssignUpperConvertsEveryByteOfEveryLength) {
    // Every byte value at every position of every length up to a few words,
    // so that each of the whole-word, overlapping and short paths sees it.
    for (size_t size = 0; size <= 26; ++size) {
        for (int byte = 0; byte < 256; ++byte) {
            std::string text(size, 'q');
            for (size_t i = 0; i < size; ++i)
                text[i] = static_cast<char>((byte + 37 * i) % 256);
            std::string target;
            AsciiText::assignUpper(target, text);
            ASSERT_EQ(target, byteByByteUpper(text)) << size << " " << byte;
        }
    }
}

TEST(AsciiTextTest, AssignUpperReplacesWhateverTheTargetHeld) {
    std::string target = "a previous value longer than the new one";
    AsciiText::assignUpper(target, "href");
    EXPECT_EQ(target, "HREF");
    AsciiText::assignUpper(target, "");
    EXPECT_EQ(target, "");
    AsciiText::assignUpper(target, "http://example.org/path?q=1");
    EXPECT_EQ(target, "HTTP://EXAMPLE.ORG/PATH?Q=1");
    AsciiText::assignUpper(target, "a[z]@`{");
    EXPECT_EQ(target, "A[Z]@`{");
}

TEST(AsciiTextTest, AssignUpperReadsOnlyItsOwnBytes) {
    // A view into the middle of a longer text: the bytes around it stay out.
    std::string text = "xxxxxxxxxxabcdefghijkxxxxxxxxxx";
    std::string target;
    AsciiText::assignUpper(target, std::string_view(text).substr(10, 11));
    EXPECT_EQ(target, "ABCDEFGHIJK");
    AsciiText::assignUpper(target, std::string_view(text).substr(10, 3));
    EXPECT_EQ(target, "ABC");
    EXPECT_EQ(text, "xxxxxxxxxxabcdefghijkxxxxxxxxxx");
}

} // namespace
