#pragma once

#include <string_view>
#include <utility>
#include <vector>

// The tag search written the plain way, one character at a time, to compare
// the scanner's faster search against.
inline std::vector<std::pair<int, int>> ReferenceTagSpans(std::string_view text) {
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
