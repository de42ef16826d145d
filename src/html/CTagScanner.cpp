#include "html/CTagScanner.h"

#include "html/ByteSearch.h"
#include "html/TagTokenizer.h"

#include <algorithm>

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
    TagTokenizer tokenizer(tagText, static_cast<int>(start), detail_);
    tokenizer.fill(token);
    token.start = static_cast<int>(start);
    token.end = static_cast<int>(end);
    return true;
}

// Plain text is crossed to the next '<' outside double quotes. Quotes are
// rare there, so each one is simply jumped to its partner. An abandoned tag
// resumes on the "<" that abandoned it, never before, so every byte is looked
// at once and no input makes the scan quadratic.
bool CTagScanner::findTag(size_t& start, size_t& end) {
    const size_t size = text_.size();
    while (position_ < size) {
        position_ = ByteSearch::findAny<'"', '<'>(text_, position_);
        if (position_ >= size)
            return false;
        if (text_[position_] == '"') {
            position_ = std::min(ByteSearch::findAny<'"'>(text_, position_ + 1) + 1, size);
        } else if (opensComment()) {
            if (!skipComment())
                return false;
        } else if (tagBody(start, end)) {
            return true;
        }
    }
    return false;
}

// Reads from the "<" at position_ to its ">". False when another "<" outside
// quotes abandons the tag (position_ is left on it) or the text ends.
bool CTagScanner::tagBody(size_t& start, size_t& end) {
    bool quoted = false;
    size_t i = ByteSearch::findUnquotedBracket(text_, position_ + 1, quoted);
    if (i >= text_.size()) {
        position_ = text_.size();
        return false;
    }
    if (text_[i] == '<') {
        position_ = i;
        return false;
    }
    start = position_ + 1;
    end = i;
    position_ = i + 1;
    return true;
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
