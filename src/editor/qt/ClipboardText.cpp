#include "ClipboardText.h"

#include <algorithm>

namespace ClipboardText {

std::string toPlatformLineEnds(std::string_view text) {
#ifdef _WIN32
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    for (const char byte : text) {
        if (byte == '\n') {
            out.push_back('\r');
        }
        out.push_back(byte);
    }
    return out;
#else
    return std::string(text);
#endif
}

std::string removeCarriageReturns(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char byte) { return byte != '\r'; });
    return out;
}

std::string plainTextOf(std::string_view text) {
    std::string out;
    bool inTag = false;
    bool inQuotes = false;
    for (const char byte : text) {
        if (byte == '"') {
            inQuotes = !inQuotes;
        } else if (byte == '<') {
            inTag = true;
        }
        if (!inTag) {
            out.push_back(byte);
        }
        if (byte == '>' && !inQuotes) {
            inTag = false;
        }
    }
    return out;
}

} // namespace ClipboardText
