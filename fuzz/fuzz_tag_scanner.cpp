#include "html/CCaretTag.h"
#include "html/CTagScanner.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The tag search written the plain way, one character at a time, to compare
// the scanner's faster search against.
std::vector<std::pair<int, int>> referenceSpans(std::string_view text) {
    std::vector<std::pair<int, int>> spans;
    const size_t size = text.size();
    size_t position = 0;
    bool quoted = false;
    while (position < size) {
        if (text[position] == '<' && !quoted) {
            if (text.substr(position, 4) == "<!--") {
                size_t close = text.find("-->", position + 2);
                if (close == std::string_view::npos)
                    break;
                position = close + 1;
                continue;
            }
            size_t i = position + 1;
            for (; i < size; ++i) {
                if (text[i] == '"')
                    quoted = !quoted;
                else if (!quoted && (text[i] == '>' || text[i] == '<'))
                    break;
            }
            if (i == size)
                break;
            if (text[i] == '>') {
                spans.emplace_back(static_cast<int>(position + 1), static_cast<int>(i));
                quoted = false;
                position = i + 1;
            } else {
                position = i;
            }
            continue;
        }
        if (text[position] == '"')
            quoted = !quoted;
        ++position;
    }
    return spans;
}

} // namespace

// Scans arbitrary bytes and checks that every span the scanner reports lies
// inside the text and agrees with the token's views; then classifies the
// caret tag at a few positions.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const int length = static_cast<int>(size);
    CTagScanner scanner(text);
    CTagToken token;
    int previousEnd = -1;
    std::vector<std::pair<int, int>> expected = referenceSpans(text);
    size_t count = 0;
    while (scanner.NextTag(token)) {
        if (count >= expected.size() || expected[count] != std::make_pair(token.start, token.end))
            std::abort();
        ++count;
        if (token.start < 1 || token.end > length - 1 || token.start > token.end ||
            token.start <= previousEnd || text[token.end] != '>' || text[token.start - 1] != '<')
            std::abort();
        previousEnd = token.end;
        for (const CArgToken& argument : token.arguments) {
            if (argument.start < token.start || argument.end > token.end ||
                argument.start > argument.end || argument.nameStart != argument.start ||
                argument.nameEnd > argument.end || argument.valueEnd != argument.end ||
                argument.valueStart > argument.valueEnd)
                std::abort();
            if (text.substr(argument.start, argument.end - argument.start) != argument.raw)
                std::abort();
        }
    }
    if (count != expected.size())
        std::abort();
    for (int position : {0, length / 3, length / 2, length - 1, length}) {
        for (std::optional<CCaretTag> tag :
             {CaretTagAt(text, position), CaretTagAt(text, position, position)}) {
            if (!tag)
                continue;
            ClassifyCaretTag(*tag);
            for (int which = CCaretTag::SpanName; which <= CCaretTag::SpanValue; ++which) {
                std::optional<TextSpan> span = CaretTagSpan(*tag, which);
                if (!span || span->start > span->end)
                    std::abort();
            }
        }
    }
    return 0;
}
