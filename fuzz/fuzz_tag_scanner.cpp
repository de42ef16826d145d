#include "../tests/html/ReferenceTagSpans.h"
#include "html/CCaretTag.h"
#include "html/CTagScanner.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

// Scans arbitrary bytes and checks that every span the scanner reports lies
// inside the text and agrees with the token's views; then classifies the
// caret tag at a few positions.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const int length = static_cast<int>(size);
    CTagScanner scanner(text);
    CTagToken token;
    int previousEnd = -1;
    std::vector<std::pair<int, int>> expected = ReferenceTagSpans(text);
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
