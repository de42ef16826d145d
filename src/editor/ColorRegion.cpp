#include "editor/ColorRegion.h"

#include <algorithm>
#include <cstring>

namespace {

// Offset of the first byte of line (0 for line 0); a line past the last one
// gives the start of the last line.
int lineStartClamped(std::string_view text, int line) {
    int start = 0;
    for (int n = 0; n < line; ++n) {
        const void* feed = std::memchr(text.data() + start, '\n', text.size() - start);
        if (feed == nullptr)
            break;
        start = static_cast<int>(static_cast<const char*>(feed) - text.data()) + 1;
    }
    return start;
}

// The line feed that ends the line starting at start, or the end of the text.
int lineEnd(std::string_view text, int start) {
    std::size_t feed = text.find('\n', static_cast<std::size_t>(start));
    return feed == std::string_view::npos ? static_cast<int>(text.size()) : static_cast<int>(feed);
}

// A "<" at or before start that is not closed before it begins the region.
int widenStart(std::string_view text, int start) {
    for (int i = std::min(start, static_cast<int>(text.size()) - 1); i >= 0; --i) {
        if (text[i] == '<')
            return i;
        if (text[i] == '>')
            break;
    }
    return start;
}

// A ">" at or after end that no "<" precedes ends the region (inclusive).
int widenEnd(std::string_view text, int end) {
    for (int i = end; i < static_cast<int>(text.size()); ++i) {
        if (text[i] == '>')
            return i;
        if (text[i] == '<')
            break;
    }
    return end;
}

} // namespace

std::optional<ColorRegion> ColorRegion::aroundLines(std::string_view text, int firstLine,
                                                    int lastLine) {
    if (firstLine > lastLine)
        return std::nullopt;
    firstLine = std::max(firstLine, 0);
    int firstStart = lineStartClamped(text, firstLine);
    int lastStart = firstStart + lineStartClamped(text.substr(firstStart), lastLine - firstLine);
    ColorRegion region;
    region.start = widenStart(text, firstStart);
    // The end is inclusive from here on: the line feed, or the ">" that
    // closes a tag running on past the line.
    int last = widenEnd(text, lineEnd(text, lastStart));
    region.end = std::min(last + 1, static_cast<int>(text.size()));
    return region;
}

int ColorRegion::lineCount(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}
