#pragma once

#include "html/BracketMasks.h"
#include "html/CTagToken.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>

// Walks a text from the start and yields its tags one after another. The
// scanner only views the text: the caller keeps it alive and unchanged while
// the scanner and its tokens are in use. Every input is scanned in linear
// time; an unterminated tag, quote or comment ends the scan.
class CTagScanner {
public:
    explicit CTagScanner(std::string_view text) : CTagScanner(text, 0) {}
    // Starts at position, which must be where a scan from the start stood
    // between two tags, for the tags to be the same. A position outside the
    // text finds nothing.
    CTagScanner(std::string_view text, int position)
        : text_(text),
          position_(position < 0 ? text.size()
                                 : std::min(static_cast<size_t>(position), text.size())) {
        loadBlock(position_, false);
    }

    std::optional<CTagToken> NextTag();

    // Fills token, reusing its storage; false when no complete tag is left.
    bool NextTag(CTagToken& token);

    // Only finds the next complete tag: start is the first character after
    // its "<", end the index of its ">". For callers that tokenize, or not,
    // as they need.
    bool NextTagBounds(int& start, int& end);

    int position() const { return static_cast<int>(position_); }

private:
    bool findTag(size_t& start, size_t& end);
    bool nextBracket(size_t& at, bool& opens);
    void loadBlock(size_t at, bool quoted);
    bool opensComment() const {
        const char* at = text_.data() + position_;
        return text_.size() - position_ >= 4 && at[1] == '!' && at[2] == '-' && at[3] == '-';
    }
    bool skipComment();

    std::string_view text_;
    size_t position_ = 0;
    // The block of text being walked: where it starts, its "<" and ">"
    // outside quotes not yet walked, which of them are "<", and whether a
    // quote is open at its end.
    size_t blockStart_ = 0;
    std::uint64_t brackets_ = 0;
    std::uint64_t opens_ = 0;
    bool quotedAfterBlock_ = false;
};

// The walk of each tag is inline: it runs once for every tag of a scan.

inline bool CTagScanner::NextTagBounds(int& start, int& end) {
    size_t first = 0;
    size_t last = 0;
    if (!findTag(first, last))
        return false;
    start = static_cast<int>(first);
    end = static_cast<int>(last);
    return true;
}

// Walks the "<" and ">" outside double quotes: a quote in plain text pairs
// with the next one just as a quote in a tag does, so one running parity
// serves both. A ">" outside a tag is plain text; a "<" inside one abandons
// it and opens the next, so every byte is looked at once and no input makes
// the scan quadratic.
inline bool CTagScanner::findTag(size_t& start, size_t& end) {
    bool inTag = false;
    size_t at = 0;
    bool opens = false;
    while (nextBracket(at, opens)) {
        if (opens) {
            position_ = at;
            if (!opensComment()) {
                inTag = true;
                start = at + 1;
            } else if (!skipComment()) {
                return false;
            } else {
                inTag = false;
                loadBlock(position_, false);
            }
        } else if (inTag) {
            end = at;
            position_ = at + 1;
            return true;
        }
    }
    position_ = text_.size();
    return false;
}

inline bool CTagScanner::nextBracket(size_t& at, bool& opens) {
    while (brackets_ == 0) {
        if (blockStart_ + BracketMasks::kBlock >= text_.size())
            return false;
        loadBlock(blockStart_ + BracketMasks::kBlock, quotedAfterBlock_);
    }
    const int bit = std::countr_zero(brackets_);
    brackets_ &= brackets_ - 1;
    at = blockStart_ + static_cast<size_t>(bit);
    opens = ((opens_ >> bit) & 1) != 0;
    return true;
}
