#include "html/FileText.h"

#include <gtest/gtest.h>
#include <string>

// Every line end becomes one line feed: CR LF, a lone CR and LF alike,
// wherever they stand.
TEST(NormalizeLineEnds, EveryLineEndBecomesOneLineFeed) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"no line end", "no line end"},
        {"a\nb\n", "a\nb\n"},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\rb\r", "a\nb\n"},
        {"\r", "\n"},
        {"\r\n", "\n"},
        {"\r\r\n\n", "\n\n\n"},
        {"\n\r", "\n\n"},
        {"x\r\ry", "x\n\ny"},
        {"<p>one\r\n<p>two\rthree\nfour\r\n", "<p>one\n<p>two\nthree\nfour\n"},
    };
    for (const Case& test : cases) {
        std::string text = test.text;
        NormalizeLineEnds(text);
        EXPECT_EQ(text, test.expected) << "from '" << test.text << "'";
    }
}
