#include "html/CTagScanner.h"

#include "html/TagTokenizer.h"

#include <cstring>

std::optional<CTagToken> CTagScanner::NextTag() {
    CTagToken token;
    if (!NextTag(token))
        return std::nullopt;
    return token;
}

bool CTagScanner::NextTag(CTagToken& token) {
    size_t start = 0;
    size_t end = 0;
    if (!findTag(start, end))
        return false;
    // Stored here, where the view is still in registers: read back whole
    // from the tokenizer's freshly written copy it stalls on store forwarding.
    std::string_view tagText = text_.substr(start, end - start);
    token.text = tagText;
    TagTokenizer tokenizer(tagText, static_cast<int>(start), TokenDetail::Full,
                           text_.size() - start);
    tokenizer.fill(token);
    token.start = static_cast<int>(start);
    token.end = static_cast<int>(end);
    return true;
}

// The last block of the text is read from a copy padded with zero bytes,
// which are neither quotes nor brackets.
void CTagScanner::loadBlock(size_t at, bool quoted) {
    blockStart_ = at;
    BracketMasks::Masks masks;
    if (at + BracketMasks::kBlock <= text_.size()) {
        masks = BracketMasks::of(text_.data() + at);
    } else {
        char padded[BracketMasks::kBlock] = {};
        if (at < text_.size())
            std::memcpy(padded, text_.data() + at, text_.size() - at);
        masks = BracketMasks::of(padded);
    }
    const std::uint64_t inside = BracketMasks::prefixXor(masks.quotes) ^ (quoted ? ~0ull : 0ull);
    brackets_ = (masks.opens | masks.closes) & ~inside;
    opens_ = masks.opens;
    quotedAfterBlock_ = (inside >> 63) != 0;
}

// Resumes on the second "-" of the closing "-->", which is plain text.
bool CTagScanner::skipComment() {
    size_t close = text_.find("-->", position_ + 2);
    if (close == std::string_view::npos) {
        position_ = text_.size();
        return false;
    }
    position_ = close + 1;
    return true;
}
