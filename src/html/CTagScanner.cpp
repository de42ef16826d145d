#include "html/CTagScanner.h"

#include "html/TagTokenizer.h"

#include <array>
#include <cstring>

namespace {

// The only bytes the search for tags stops at.
enum ByteKind : unsigned char { Plain, Quote, Open, Close };

constexpr std::array<unsigned char, 256> kKinds = [] {
    std::array<unsigned char, 256> kinds{};
    kinds['"'] = Quote;
    kinds['<'] = Open;
    kinds['>'] = Close;
    return kinds;
}();

inline unsigned char kindOf(char c) {
    return kKinds[static_cast<unsigned char>(c)];
}

} // namespace

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
    TagTokenizer tokenizer(text_.substr(start, end - start), static_cast<int>(start));
    tokenizer.fill(token);
    token.start = static_cast<int>(start);
    token.end = static_cast<int>(end);
    return true;
}

// Plain text is crossed with memchr to the next '"' or '<'; inside quotes
// only the closing '"' matters. An abandoned tag resumes on the "<" that
// abandoned it, never before, and each memchr result is kept until the scan
// passes it, so no input makes the scan quadratic.
bool CTagScanner::findTag(size_t& start, size_t& end) {
    const size_t size = text_.size();
    bool quoted = false;
    while (position_ < size) {
        const size_t quote = nextAtOrAfterPosition('"', nextQuote_);
        if (quoted) {
            position_ = quote < size ? quote + 1 : size;
            quoted = false;
            continue;
        }
        const size_t open = nextAtOrAfterPosition('<', nextOpen_);
        if (quote < open) {
            position_ = quote + 1;
            quoted = true;
            continue;
        }
        position_ = open;
        if (open >= size) {
            return false;
        }
        if (opensComment()) {
            if (!skipComment())
                return false;
        } else if (tagBody(start, end, quoted)) {
            return true;
        }
    }
    return false;
}

size_t CTagScanner::nextAtOrAfterPosition(char wanted, size_t& cached) const {
    if (cached == kUnknown || cached < position_) {
        const void* found = std::memchr(text_.data() + position_, wanted, text_.size() - position_);
        cached = found == nullptr
                     ? text_.size()
                     : static_cast<size_t>(static_cast<const char*>(found) - text_.data());
    }
    return cached;
}

// Reads from the "<" at position_ to its ">". False when another "<" outside
// quotes abandons the tag (position_ is left on it) or the text ends.
bool CTagScanner::tagBody(size_t& start, size_t& end, bool& quoted) {
    const size_t size = text_.size();
    for (size_t i = position_ + 1; i < size; ++i) {
        unsigned char kind = kindOf(text_[i]);
        if (kind == Plain)
            continue;
        if (kind == Quote) {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (kind == Close) {
            start = position_ + 1;
            end = i;
            position_ = i + 1;
            return true;
        } else {
            position_ = i;
            return false;
        }
    }
    position_ = size;
    return false;
}

bool CTagScanner::opensComment() const {
    const char* at = text_.data() + position_;
    return text_.size() - position_ >= 4 && at[1] == '!' && at[2] == '-' && at[3] == '-';
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
