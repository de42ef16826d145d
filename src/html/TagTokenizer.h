#pragma once

#include "html/CTagToken.h"

#include <string_view>

// Splits the text of one tag (between "<" and ">") into its name and its
// arguments. offset is the index of the tag text in the scanned text, so
// that spans come out as offsets into the whole text.
class TagTokenizer {
public:
    TagTokenizer(std::string_view tagText, int offset, TokenDetail detail = TokenDetail::Full)
        : text_(tagText), offset_(offset), detail_(detail) {}

    // Fills the name, closing flag and arguments of token; its text and span
    // are the caller's.
    void fill(CTagToken& token);

private:
    size_t nameEnd() const;
    std::string_view withoutSelfClosingSlash(size_t nameEnd) const;
    void scanArguments(std::string_view body, size_t from, CTagToken& token);
    size_t argumentEnd(std::string_view body, size_t& i);
    size_t valueEnd(std::string_view body, size_t& i);
    void addArgument(std::string_view body, size_t begin, size_t end, CTagToken& token);
    static void copyNameAndValue(std::string_view raw, size_t equals, CArgToken& argument);

    std::string_view text_;
    int offset_;
    TokenDetail detail_;
    bool quoted_ = false; // a value's open quote stays open across the tag
    size_t count_ = 0;    // arguments filled so far
    size_t equals_ = 0;   // where the last argument's "=" stands, or npos
};
