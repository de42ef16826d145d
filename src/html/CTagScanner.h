#pragma once

#include "html/CTagToken.h"

#include <optional>
#include <string_view>

// Walks a text from the start and yields its tags one after another. The
// scanner only views the text: the caller keeps it alive and unchanged while
// the scanner and its tokens are in use. Every input is scanned in linear
// time; an unterminated tag, quote or comment ends the scan.
class CTagScanner {
public:
    explicit CTagScanner(std::string_view text, TokenDetail detail = TokenDetail::Full)
        : text_(text), detail_(detail) {}
    // Starts at position, which must be where a scan from the start stood
    // between two tags, for the tags to be the same.
    CTagScanner(std::string_view text, int position, TokenDetail detail = TokenDetail::Full)
        : text_(text), position_(static_cast<size_t>(position)), detail_(detail) {}

    std::optional<CTagToken> NextTag();

    // Fills token, reusing its storage; false when no complete tag is left.
    bool NextTag(CTagToken& token);

    int position() const { return static_cast<int>(position_); }

private:
    bool findTag(size_t& start, size_t& end);
    bool tagBody(size_t& start, size_t& end);
    bool opensComment() const;
    bool skipComment();

    std::string_view text_;
    size_t position_ = 0;
    TokenDetail detail_ = TokenDetail::Full;
};
