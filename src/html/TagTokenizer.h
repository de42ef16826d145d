#pragma once

#include "html/CTagToken.h"
#include "html/TagHead.h"

#include <algorithm>
#include <string_view>

// Splits the text of one tag (between "<" and ">") into its name and its
// arguments. offset is the index of the tag text in the scanned text, so
// that spans come out as offsets into the whole text.
class TagTokenizer {
public:
    // readable is how many bytes from the start of tagText may be read
    // (the scanned text goes on past the tag); at least tagText's size.
    TagTokenizer(std::string_view tagText, int offset, TokenDetail detail = TokenDetail::Full,
                 size_t readable = 0)
        : text_(tagText), offset_(offset), detail_(detail),
          readable_(std::max(readable, tagText.size())) {}

    // Fills the name, closing flag and arguments of token; its text and span
    // are the caller's.
    void fill(CTagToken& token);
    // The same, for a head already split off with TagHead::split().
    void fill(CTagToken& token, const TagHead& head);

private:
    void scanArguments(std::string_view body, size_t from, CTagToken& token);
    size_t argumentEnd(std::string_view body, size_t& i);
    size_t valueEnd(std::string_view body, size_t& i);
    void addArgument(std::string_view body, size_t begin, size_t end, CTagToken& token);
    static void copyNameAndValue(std::string_view raw, size_t equals, CArgToken& argument);

    std::string_view text_;
    int offset_;
    TokenDetail detail_;
    size_t readable_;
    bool quoted_ = false; // a value's open quote stays open across the tag
    size_t count_ = 0;    // arguments filled so far
    size_t equals_ = 0;   // where the last argument's "=" stands, or npos
};
