#include "html/CTagScanner.h"

#include "ReferenceTagSpans.h"
#include "html/TagTokenizer.h"

#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::vector<CTagToken> scan(std::string_view text) {
    std::vector<CTagToken> tokens;
    CTagScanner scanner(text);
    while (std::optional<CTagToken> token = scanner.NextTag())
        tokens.push_back(std::move(*token));
    return tokens;
}

std::vector<std::string> tagNames(std::string_view text) {
    std::vector<std::string> result;
    for (const CTagToken& token : scan(text))
        result.push_back((token.closing ? "/" : "") + token.name);
    return result;
}

using Names = std::vector<std::string>;

TEST(TagScannerTest, TokenSpansNameAndText) {
    std::string text = "x<a href=1>y</A >";
    std::vector<CTagToken> tokens = scan(text);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].start, 2);
    EXPECT_EQ(tokens[0].end, 10);
    EXPECT_EQ(tokens[0].text, "a href=1");
    EXPECT_EQ(tokens[0].name, "A");
    EXPECT_FALSE(tokens[0].closing);
    EXPECT_TRUE(tokens[1].closing);
    EXPECT_EQ(tokens[1].name, "A");
    EXPECT_EQ(tokens[1].text, "/A ");
    EXPECT_TRUE(tokens[1].arguments.empty());
}

TEST(TagScannerTest, CommentsHideTheirTagsAndScanningResumesAfterThem) {
    EXPECT_EQ(tagNames("<b><!-- <i> <a href=\"x\"> --><u>"), (Names{"B", "U"}));
    EXPECT_EQ(tagNames("<!---->x<!-->y<b>"), (Names{"B"}));
    EXPECT_EQ(tagNames("<b><!-- never closed <i>"), (Names{"B"}));
    EXPECT_EQ(tagNames("<!-- a -->>"), Names{}); // the text after "-" is plain text
}

TEST(TagScannerTest, QuotesProtectAngleBrackets) {
    std::vector<CTagToken> tokens = scan("<a title=\"1>2\" href=x>");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].arguments.size(), 2u);
    EXPECT_EQ(tokens[0].arguments[0].value, "1>2");
    // An odd number of quotes in plain text hides the next tag.
    EXPECT_EQ(tagNames("say \"hi <b>bold</b>"), Names{});
    EXPECT_EQ(tagNames("say \"hi <b>bold</b>\" <i>"), (Names{"I"}));
    EXPECT_EQ(tagNames("\"a\" <b>"), (Names{"B"}));
}

TEST(TagScannerTest, UnclosedTagIsDroppedForTheNextOne) {
    EXPECT_EQ(tagNames("<b unclosed <i>x"), (Names{"I"}));
    EXPECT_EQ(tagNames("<i>x<b unterminated"), (Names{"I"}));
    EXPECT_EQ(tagNames("<a href=\"x>"), Names{});
}

TEST(TagScannerTest, NameTakesTheFirstCharacterEvenWhenItIsBlank) {
    std::vector<CTagToken> tokens = scan("< b x><>");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].name, " B");
    ASSERT_EQ(tokens[0].arguments.size(), 1u);
    EXPECT_EQ(tokens[0].arguments[0].name, "X");
    EXPECT_EQ(tokens[1].name, "");
    EXPECT_FALSE(tokens[1].closing);
}

TEST(TagScannerTest, ArgumentWithoutValue) {
    std::vector<CTagToken> tokens = scan("<td nowrap  width=5>");
    ASSERT_EQ(tokens[0].arguments.size(), 2u);
    const CArgToken& nowrap = tokens[0].arguments[0];
    EXPECT_FALSE(nowrap.hasValue);
    EXPECT_EQ(nowrap.name, "NOWRAP");
    EXPECT_EQ(nowrap.raw, "nowrap");
    EXPECT_EQ(nowrap.start, 4);
    EXPECT_EQ(nowrap.end, 10);
    EXPECT_EQ(nowrap.nameStart, 4);
    EXPECT_EQ(nowrap.nameEnd, 10);
    EXPECT_EQ(nowrap.value, "");
    const CArgToken& width = tokens[0].arguments[1];
    EXPECT_TRUE(width.hasValue);
    EXPECT_EQ(width.start, 12);
    EXPECT_EQ(width.nameEnd, 17);
    EXPECT_EQ(width.valueStart, 18);
    EXPECT_EQ(width.valueEnd, 19);
}

TEST(TagScannerTest, BlanksAroundEqualsBelongToTheArgument) {
    std::vector<CTagToken> tokens = scan("<a href =  \"x y\" target= _top>");
    ASSERT_EQ(tokens[0].arguments.size(), 2u);
    const CArgToken& href = tokens[0].arguments[0];
    EXPECT_EQ(href.raw, "href =  \"x y\"");
    EXPECT_EQ(href.name, "HREF");
    EXPECT_EQ(href.value, "X Y");
    EXPECT_EQ(href.nameEnd - href.nameStart, 5); // "href " up to "="
    EXPECT_EQ(tokens[0].arguments[1].value, "_TOP");
}

TEST(TagScannerTest, ValueLosesOneQuoteOnEachSideAndIsUpperCased) {
    std::vector<CTagToken> tokens = scan("<a b=\"\"x\"\" c=\"it's \"q\"\" d=\" \">");
    ASSERT_EQ(tokens.size(), 1u);
    ASSERT_EQ(tokens[0].arguments.size(), 3u);
    EXPECT_EQ(tokens[0].arguments[0].value, "\"X\"");
    EXPECT_EQ(tokens[0].arguments[1].value, "IT'S \"Q\"");
    EXPECT_EQ(tokens[0].arguments[2].value, " ");
}

TEST(TagScannerTest, ClosingTagArgumentsStartOneCharacterLater) {
    std::vector<CTagToken> tokens = scan("</p x=1>");
    ASSERT_EQ(tokens[0].arguments.size(), 1u);
    EXPECT_EQ(tokens[0].arguments[0].start, 4);
    EXPECT_EQ(tokens[0].arguments[0].name, "X");
}

TEST(TagScannerTest, SelfClosingSlashBelongsToNeitherNameNorArgument) {
    std::vector<CTagToken> tokens = scan("<br/><br /><img src=\"a\"/><a href=dir/><//></><x y= />");
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ(tokens[0].name, "BR");
    EXPECT_EQ(tokens[0].text, "br/"); // the span stays as written
    EXPECT_TRUE(tokens[1].arguments.empty());
    EXPECT_EQ(tokens[2].arguments.size(), 1u);
    EXPECT_EQ(tokens[2].arguments[0].value, "A");
    EXPECT_EQ(tokens[3].arguments[0].value, "DIR/");
    EXPECT_TRUE(tokens[4].closing);
    EXPECT_EQ(tokens[4].name, "");
    EXPECT_TRUE(tokens[5].closing);
    EXPECT_EQ(tokens[5].name, "");
    ASSERT_EQ(tokens[6].arguments.size(), 1u);
    EXPECT_EQ(tokens[6].arguments[0].value, "");
}

TEST(TagScannerTest, OpenQuoteInValueRunsOnThroughTheTag) {
    std::vector<CTagToken> tokens = scan("<a b=\"x c=d e=f>");
    EXPECT_TRUE(tokens.empty()); // the ">" is inside the quote
    tokens = scan("<a b=x\"y c=d>\">");
    ASSERT_EQ(tokens.size(), 1u);
    ASSERT_EQ(tokens[0].arguments.size(), 1u);
    EXPECT_EQ(tokens[0].arguments[0].raw, "b=x\"y c=d>\"");
}

TEST(TagScannerTest, CarriageReturnIsNotWhiteSpace) {
    std::vector<CTagToken> tokens = scan("<b\rx>");
    EXPECT_EQ(tokens[0].name, "B\rX");
}

TEST(TagScannerTest, BytesOutsideAsciiAndNulPassThrough) {
    using namespace std::string_literals;
    std::string text = "<a\0 \xE9t\xC3\xA9=\xFF>"s;
    std::vector<CTagToken> tokens = scan(text);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].name, std::string("A\0", 2));
    ASSERT_EQ(tokens[0].arguments.size(), 1u);
    EXPECT_EQ(tokens[0].arguments[0].name, "\xE9T\xC3\xA9");
    EXPECT_EQ(tokens[0].arguments[0].value, "\xFF");
}

// Every offset of a tag against the eight-byte words the scanner reads, and
// every distance from the end of the text, must give the same tokens, only
// moved.
TEST(TagScannerTest, TokensDoNotDependOnWhereTheTagStands) {
    const std::string tags = "<a b=\"1>\"\"<2\" c=d>x\"y\"<i>\"<u>\"<br/><!--<q>-->";
    std::vector<CTagToken> reference = scan(tags);
    ASSERT_EQ(reference.size(), 3u);
    for (int pad = 0; pad <= 17; ++pad) {
        for (int tail = 0; tail <= 9; ++tail) {
            std::string text = std::string(pad, '.') + tags + std::string(tail, '.');
            std::vector<CTagToken> tokens = scan(text);
            ASSERT_EQ(tokens.size(), reference.size()) << pad << " " << tail;
            for (size_t t = 0; t < tokens.size(); ++t) {
                EXPECT_EQ(tokens[t].start, reference[t].start + pad);
                EXPECT_EQ(tokens[t].end, reference[t].end + pad);
                EXPECT_EQ(tokens[t].name, reference[t].name);
                EXPECT_EQ(tokens[t].text, reference[t].text);
                ASSERT_EQ(tokens[t].arguments.size(), reference[t].arguments.size());
                for (size_t a = 0; a < tokens[t].arguments.size(); ++a) {
                    const CArgToken& got = tokens[t].arguments[a];
                    const CArgToken& want = reference[t].arguments[a];
                    EXPECT_EQ(got.raw, want.raw);
                    EXPECT_EQ(got.value, want.value);
                    EXPECT_EQ(got.start, want.start + pad);
                    EXPECT_EQ(got.valueEnd, want.valueEnd + pad);
                }
            }
        }
    }
}

// The reusing form hands back the same token, so records left by a tag with
// more arguments must neither leak into nor be missing from the next one.
TEST(TagScannerTest, ReusedTokenMatchesFreshTokens) {
    std::string text = "<a x=\"a long value beyond sixteen bytes\" y=2 z><b><c p=\"q\"></c>"
                       "<d one two three four five six><e longer=\"again a long value here\">";
    std::vector<CTagToken> fresh = scan(text);
    CTagScanner scanner(text);
    CTagToken reused;
    size_t index = 0;
    while (scanner.NextTag(reused)) {
        ASSERT_LT(index, fresh.size());
        const CTagToken& want = fresh[index++];
        EXPECT_EQ(reused.name, want.name);
        EXPECT_EQ(reused.start, want.start);
        ASSERT_EQ(reused.arguments.size(), want.arguments.size()) << want.name;
        for (size_t a = 0; a < want.arguments.size(); ++a) {
            EXPECT_EQ(reused.arguments[a].name, want.arguments[a].name);
            EXPECT_EQ(reused.arguments[a].value, want.arguments[a].value);
            EXPECT_EQ(reused.arguments[a].hasValue, want.arguments[a].hasValue);
            EXPECT_EQ(reused.arguments[a].valueStart, want.arguments[a].valueStart);
        }
    }
    EXPECT_EQ(index, fresh.size());
    EXPECT_EQ(index, 6u);
}

TEST(TagScannerTest, HostileInputsEndWithoutTags) {
    EXPECT_TRUE(scan(std::string(1 << 20, '<')).empty());
    EXPECT_TRUE(scan("<" + std::string(1 << 20, '"')).empty());
    EXPECT_TRUE(scan("<!--" + std::string(1 << 20, '-')).empty());
    EXPECT_EQ(scan(std::string(1 << 20, '"') + "<b>").size(), 1u);
    std::string manyArgs = "<a" + std::string(1 << 18, ' ');
    for (int i = 0; i < 10000; ++i)
        manyArgs += " x=\"\"";
    EXPECT_EQ(scan(manyArgs + ">")[0].arguments.size(), 10000u);
}

} // namespace

// Colouring tokenizes spans only: the same offsets, no copied strings.
TEST(TagScannerTest, SpansOnlyTokensKeepEveryOffset) {
    std::string text = "<a Href = \"x y\" lone z=w/><br/><p class=\"q\"></p>";
    std::vector<CTagToken> full = scan(text);
    CTagToken token;
    for (const CTagToken& want : full) {
        TagTokenizer(want.text, want.start, TokenDetail::Spans, text.size() - want.start)
            .fill(token);
        EXPECT_EQ(token.name, want.name);
        ASSERT_EQ(token.arguments.size(), want.arguments.size()) << want.name;
        for (size_t a = 0; a < want.arguments.size(); ++a) {
            const CArgToken& got = token.arguments[a];
            const CArgToken& expected = want.arguments[a];
            EXPECT_EQ(std::tie(got.nameStart, got.nameEnd, got.valueStart, got.valueEnd),
                      std::tie(expected.nameStart, expected.nameEnd, expected.valueStart,
                               expected.valueEnd));
            EXPECT_EQ(got.hasValue, expected.hasValue);
            EXPECT_TRUE(got.name.empty() && got.value.empty());
        }
    }
    ASSERT_EQ(full.size(), 4u);
    EXPECT_EQ(full[0].arguments.size(), 3u);
}

// The scanner walks the text in blocks of 64 bytes: quotes, comments and tags
// that straddle a block's edge, and texts ending anywhere in a block, must
// give exactly the tags of the plain character-by-character search.
TEST(TagScannerTest, BlockWalkFindsWhatAPlainSearchFinds) {
    const char* pieces[] = {"<",
                            ">",
                            "\"",
                            "a",
                            " ",
                            "<!--",
                            "-->",
                            "<b>",
                            "</i>",
                            "=",
                            "\n",
                            "-",
                            "!",
                            "\xe9",
                            "<a href=\"x\">",
                            "xxxxxxxxxxxxxxx"};
    std::mt19937 random(20261206);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int count = static_cast<int>(random() % 90);
        for (int i = 0; i < count; ++i)
            text += pieces[random() % std::size(pieces)];
        std::vector<std::pair<int, int>> found;
        for (const CTagToken& token : scan(text))
            found.emplace_back(token.start, token.end);
        ASSERT_EQ(found, ReferenceTagSpans(text)) << text;
    }
}

TEST(TagScannerTest, StartOutsideTheTextFindsNothing) {
    int start = 0;
    int end = 0;
    EXPECT_FALSE(CTagScanner("<b>", -5).NextTagBounds(start, end));
    EXPECT_FALSE(CTagScanner("<b>", 4).NextTagBounds(start, end));
    ASSERT_TRUE(CTagScanner("x<b>", 1).NextTagBounds(start, end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(2, 3));
}
