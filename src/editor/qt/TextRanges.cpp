#include "TextRanges.h"

#include <algorithm>

namespace {

bool isWordDelimiter(char byte) {
    return byte == ' ' || byte == '\n' || byte == '\t' || byte == '<' || byte == '>' ||
           byte == '=' || byte == '"';
}

char closingPartner(char byte) {
    switch (byte) {
    case '(':
        return ')';
    case '<':
        return '>';
    case '[':
        return ']';
    case '{':
        return '}';
    default:
        return 0;
    }
}

char openingPartner(char byte) {
    switch (byte) {
    case ')':
        return '(';
    case '>':
        return '<';
    case ']':
        return '[';
    case '}':
        return '{';
    default:
        return 0;
    }
}

// Index of the first partner after offset, or the text's length.
int findForward(std::string_view text, int offset, char partner) {
    const std::size_t found = text.find(partner, static_cast<std::size_t>(offset) + 1);
    return found == std::string_view::npos ? static_cast<int>(text.size())
                                           : static_cast<int>(found);
}

// Index of the last partner before offset, or -1.
int findBackward(std::string_view text, int offset, char partner) {
    if (offset == 0) {
        return -1;
    }
    const std::size_t found = text.rfind(partner, static_cast<std::size_t>(offset) - 1);
    return found == std::string_view::npos ? -1 : static_cast<int>(found);
}

TextRanges::Range quotedRange(std::string_view text, int offset, bool withQuotes) {
    const int partner = findForward(text, offset, '"');
    const auto size = static_cast<int>(text.size());
    if (withQuotes) {
        return {offset, std::min(partner + 1, size)};
    }
    return {offset + 1, partner};
}

} // namespace

namespace TextRanges {

Range wordAt(std::string_view text, int offset) {
    const auto size = static_cast<int>(text.size());
    offset = std::clamp(offset, 0, size);
    int start = offset;
    while (start > 0 && !isWordDelimiter(text[start - 1])) {
        --start;
    }
    int end = offset;
    while (end < size && !isWordDelimiter(text[end])) {
        ++end;
    }
    return {start, end};
}

Range doubleClickRange(std::string_view text, int offset, bool withQuotes) {
    if (offset < 0 || offset >= static_cast<int>(text.size())) {
        return wordAt(text, offset);
    }
    const char byte = text[offset];
    if (byte == '"') {
        return quotedRange(text, offset, withQuotes);
    }
    if (const char partner = closingPartner(byte)) {
        return {offset + 1, findForward(text, offset, partner)};
    }
    if (const char partner = openingPartner(byte)) {
        return {std::max(0, findBackward(text, offset, partner)), offset + 1};
    }
    return wordAt(text, offset);
}

BlockIndent blockIndent(std::string_view text, int selectionStart, int caret, bool unindent) {
    BlockIndent result;
    const std::size_t lineFeed =
        selectionStart > 0 ? text.rfind('\n', static_cast<std::size_t>(selectionStart) - 1)
                           : std::string_view::npos;
    const int start = lineFeed == std::string_view::npos ? 0 : static_cast<int>(lineFeed);
    result.replaced = {start, caret};
    const int firstLineStart = lineFeed == std::string_view::npos ? 0 : start + 1;
    // A line begins at the range's start when that is the text's start, and
    // after every line feed inside the range.
    bool atLineStart = start == 0;
    for (int i = start; i < caret; ++i) {
        const char byte = text[i];
        if (atLineStart && unindent && byte == '\t') {
            --result.caretShift;
            atLineStart = false;
            continue;
        }
        if (atLineStart && !unindent) {
            result.text.push_back('\t');
            ++result.caretShift;
        }
        result.text.push_back(byte);
        atLineStart = byte == '\n';
    }
    // A line that begins right at the caret is not part of the block: it gets
    // no tab, so that an indent and an unindent of the same block cancel out.
    result.selection = {firstLineStart, caret + result.caretShift};
    return result;
}

} // namespace TextRanges
