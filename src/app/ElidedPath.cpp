#include "app/ElidedPath.h"

#include <vector>

namespace {

constexpr std::string_view kGap = "...";

// The path cut after each separator: "/a/b/c.html" gives "/", "a/", "b/",
// "c.html".
std::vector<std::string_view> pieces(std::string_view path, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = path.find(separator); at != std::string_view::npos;
         at = path.find(separator, start)) {
        parts.push_back(path.substr(start, at + 1 - start));
        start = at + 1;
    }
    parts.push_back(path.substr(start));
    return parts;
}

std::string joined(const std::vector<std::string_view>& parts, std::size_t headCount,
                   std::size_t tailStart, char separator) {
    std::string text;
    for (std::size_t i = 0; i < headCount; ++i) {
        text += parts[i];
    }
    text += kGap;
    text += separator;
    for (std::size_t i = tailStart; i < parts.size(); ++i) {
        text += parts[i];
    }
    return text;
}

} // namespace

std::string ElideMiddle(std::string_view path, std::size_t maxLength, char separator) {
    if (path.size() <= maxLength) {
        return std::string(path);
    }
    const std::vector<std::string_view> parts = pieces(path, separator);
    if (parts.size() < 2) {
        return std::string(path); // a bare name has no folders to leave out
    }
    const std::size_t last = parts.size() - 1; // the file name
    // Take folders alternately from the end and the start while they fit,
    // the ones nearest the file name first.
    std::size_t head = 0;
    std::size_t tail = last;
    std::string best = joined(parts, head, tail, separator);
    bool grew = true;
    while (grew && head < tail) {
        grew = false;
        if (tail > head + 1) {
            const std::string longer = joined(parts, head, tail - 1, separator);
            if (longer.size() <= maxLength) {
                best = longer;
                --tail;
                grew = true;
            }
        }
        if (head + 1 < tail) {
            const std::string longer = joined(parts, head + 1, tail, separator);
            if (longer.size() <= maxLength) {
                best = longer;
                ++head;
                grew = true;
            }
        }
    }
    return best;
}
