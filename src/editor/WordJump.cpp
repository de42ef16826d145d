#include "WordJump.h"

#include <algorithm>

namespace {

enum class Kind { Word, Blank, LineEnd, Stop, Punctuation };

Kind kindOf(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || byte == '_' || (byte >= '0' && byte <= '9') ||
        (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')) {
        return Kind::Word;
    }
    switch (byte) {
    case ' ':
    case '\t':
        return Kind::Blank;
    case '\n':
    case '\r':
        return Kind::LineEnd;
    case '<':
    case '>':
    case '"':
    case '\'':
        return Kind::Stop;
    default:
        return Kind::Punctuation;
    }
}

int size(std::string_view text) {
    return static_cast<int>(text.size());
}

int skipForward(std::string_view text, int at, Kind kind) {
    while (at < size(text) && kindOf(text[at]) == kind) {
        ++at;
    }
    return at;
}

int skipBackward(std::string_view text, int at, Kind kind) {
    while (at > 0 && kindOf(text[at - 1]) == kind) {
        --at;
    }
    return at;
}

} // namespace

namespace WordJump {

int next(std::string_view text, int offset) {
    int at = std::clamp(offset, 0, size(text));
    if (at == size(text)) {
        return at;
    }
    switch (const Kind kind = kindOf(text[at])) {
    case Kind::LineEnd:
        return at + 1;
    case Kind::Blank:
        return skipForward(text, at, Kind::Blank);
    case Kind::Stop:
        return skipForward(text, at + 1, Kind::Blank);
    default:
        return skipForward(text, skipForward(text, at, kind), Kind::Blank);
    }
}

int previous(std::string_view text, int offset) {
    const int from = std::clamp(offset, 0, size(text));
    const int at = skipBackward(text, from, Kind::Blank);
    if (at == 0) {
        return 0;
    }
    switch (const Kind kind = kindOf(text[at - 1])) {
    case Kind::LineEnd:
        // Blanks that start a line end the jump at the line's start.
        return at < from ? at : at - 1;
    case Kind::Stop:
        return at - 1;
    default:
        return skipBackward(text, at, kind);
    }
}

} // namespace WordJump
