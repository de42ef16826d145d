#include "html/ByteSearch.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// Byte-by-byte versions of the searches, the meaning the word-at-a-time code
// must keep.
size_t plainFindAny(std::string_view text, size_t from, std::string_view wanted) {
    for (size_t i = from; i < text.size(); ++i) {
        if (wanted.find(text[i]) != std::string_view::npos)
            return i;
    }
    return text.size();
}

size_t plainFindUnquotedBracket(std::string_view text, size_t from, bool& quoted) {
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (!quoted && (text[i] == '<' || text[i] == '>'))
            return i;
    }
    return text.size();
}

std::string randomText(std::mt19937& random, std::string_view alphabet, size_t maxSize) {
    std::string text(random() % (maxSize + 1), ' ');
    for (char& c : text)
        c = alphabet[random() % alphabet.size()];
    return text;
}

TEST(ByteSearchTest, FindAnyFindsTheFirstWantedByteInEveryPositionOfAWord) {
    for (size_t size = 0; size <= 20; ++size) {
        for (size_t at = 0; at < size; ++at) {
            std::string text(size, 'x');
            text[at] = '<';
            if (at + 2 < size)
                text[at + 2] = '"'; // a later hit must not win
            EXPECT_EQ((ByteSearch::findAny<'"', '<'>(text, 0)), at) << size << " " << at;
            EXPECT_EQ((ByteSearch::findAny<'"', '<'>(text, at + 1)), at + 2 < size ? at + 2 : size);
        }
        EXPECT_EQ((ByteSearch::findAny<'"', '<'>(std::string(size, 'x'), 0)), size);
    }
}

TEST(ByteSearchTest, FindAnyTellsNeighbouringBytesApart) {
    // Bytes one bit or one borrow away from the wanted ones, the high half
    // and NUL must never match.
    std::string text = std::string("\x00\x01\x21\x23\x3B\x3D\xA2\xBC\xFF!#;=", 13) + "........";
    EXPECT_EQ((ByteSearch::findAny<'"', '<'>(text, 0)), text.size());
    text += "<";
    EXPECT_EQ((ByteSearch::findAny<'"', '<'>(text, 0)), text.size() - 1);
    std::string nul("abcdefgh\0ijk", 12);
    EXPECT_EQ(ByteSearch::findAny<'\0'>(nul, 0), 8u);
    EXPECT_EQ(ByteSearch::findAny<'\0'>(nul, 9), nul.size());
}

TEST(ByteSearchTest, FindAnyStartingAtOrPastTheEndFindsNothing) {
    std::string text = "ab<";
    EXPECT_EQ(ByteSearch::findAny<'<'>(text, 3), 3u);
    EXPECT_EQ(ByteSearch::findAny<'<'>(text, 4), 3u);
    EXPECT_EQ(ByteSearch::findAny<'<'>(std::string_view(), 0), 0u);
}

TEST(ByteSearchTest, FindAnyAgreesWithAByteLoopOnRandomText) {
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text = randomText(random, "<>\"= a\xE9\n", 40);
        size_t from = random() % (text.size() + 1);
        ASSERT_EQ((ByteSearch::findAny<'"', '<', '>'>(text, from)),
                  plainFindAny(text, from, "\"<>"))
            << text;
        ASSERT_EQ((ByteSearch::findAny<' ', '\n', '='>(text, from)),
                  plainFindAny(text, from, " \n="))
            << text;
    }
}

TEST(ByteSearchTest, BracketsInsideQuotesAreSkippedAcrossWords) {
    bool quoted = false;
    // The quote opens in the first word and closes in the third.
    std::string text = "ab=\"<x> y z <> w\" >";
    EXPECT_EQ(ByteSearch::findUnquotedBracket(text, 0, quoted), text.size() - 1);
    EXPECT_FALSE(quoted);
    quoted = false;
    EXPECT_EQ(ByteSearch::findUnquotedBracket("\"\"\"\"\"\"\"\"<", 0, quoted), 8u);
    EXPECT_FALSE(quoted);
}

TEST(ByteSearchTest, QuoteStateComesInAndGoesOut) {
    bool quoted = true; // the search starts inside a quote
    EXPECT_EQ(ByteSearch::findUnquotedBracket("abc>def\"gh>", 0, quoted), 10u);
    EXPECT_FALSE(quoted);
    quoted = false;
    std::string open = "x=\"never closed > < and longer than a word";
    EXPECT_EQ(ByteSearch::findUnquotedBracket(open, 0, quoted), open.size());
    EXPECT_TRUE(quoted);
    quoted = false;
    std::string closed = "x=\"closed\" and no bracket at all";
    EXPECT_EQ(ByteSearch::findUnquotedBracket(closed, 0, quoted), closed.size());
    EXPECT_FALSE(quoted);
}

TEST(ByteSearchTest, FindUnquotedBracketAgreesWithAByteLoopOnRandomText) {
    std::mt19937 random(11);
    for (int round = 0; round < 50000; ++round) {
        std::string text = randomText(random, "<>\"\"\"=ab\xBC\xBE", 48);
        size_t from = random() % (text.size() + 1);
        bool startQuoted = random() % 2 == 0;
        bool quoted = startQuoted;
        bool expectedQuoted = startQuoted;
        size_t expected = plainFindUnquotedBracket(text, from, expectedQuoted);
        ASSERT_EQ(ByteSearch::findUnquotedBracket(text, from, quoted), expected)
            << text << " from " << from << " quoted " << startQuoted;
        ASSERT_EQ(quoted, expectedQuoted) << text;
    }
}

} // namespace
