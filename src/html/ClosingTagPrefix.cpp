#include "html/ClosingTagPrefix.h"

#include "html/AsciiText.h"

#include <algorithm>
#include <cstring>

namespace {

// Index of the last '>' before end, or -1.
int lastCloserBefore(std::string_view text, int end) {
    if (end <= 0) {
        return -1;
    }
    const void* found = memrchr(text.data(), '>', static_cast<size_t>(end));
    return found == nullptr ? -1 : static_cast<int>(static_cast<const char*>(found) - text.data());
}

// The first word of the tag that the '>' at closer ends: the walk back from
// the character before it must meet '<' before another '>'.
std::optional<std::string_view> tagWordEndingAt(std::string_view text, int closer) {
    int i = closer - 1;
    while (i >= 0 && text[i] != '<' && text[i] != '>') {
        --i;
    }
    if (i < 0 || text[i] == '>') {
        return std::nullopt;
    }
    const int start = i + 1;
    int stop = start;
    const int size = static_cast<int>(text.size());
    while (stop < size && !AsciiText::isTagSpace(text[stop]) && text[stop] != '<' &&
           text[stop] != '>') {
        ++stop;
    }
    return text.substr(start, stop - start);
}

} // namespace

std::optional<std::string_view> ClosingTagPrefix(std::string_view text, int caret) {
    int depth = 0;
    int end = std::clamp(caret, 0, static_cast<int>(text.size()));
    for (int closer = lastCloserBefore(text, end); closer >= 0;
         closer = lastCloserBefore(text, closer)) {
        const std::optional<std::string_view> word = tagWordEndingAt(text, closer);
        if (!word) {
            continue;
        }
        if (!word->empty() && word->front() == '/') {
            ++depth;
        } else if (depth == 0) {
            return word;
        } else {
            --depth;
        }
    }
    return std::nullopt;
}
