#pragma once

#include "html/AsciiText.h"
#include "html/ByteSearch.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

// The name of one tag's text (between "<" and ">"), found before its
// arguments are read: most tags have none, and a caller that needs only the
// name stops here. Inline, since it runs once for every tag of a scan.
struct TagHead {
    std::size_t nameEnd = 0;  // the first blank after the name, or the text's size
    std::size_t bodySize = 0; // the text without a self-closing "/"
    bool closing = false;

    // readable is how many bytes from the start of tagText may be read (the
    // scanned text goes on past the tag).
    static TagHead split(std::string_view tagText, std::size_t readable) {
        TagHead head;
        head.nameEnd = findNameEnd(tagText, std::max(readable, tagText.size()));
        head.bodySize = withoutSelfClosingSlash(tagText, head.nameEnd);
        head.closing = head.nameSpanEnd() > 0 && tagText.front() == '/';
        return head;
    }

    std::size_t nameSpanEnd() const { return std::min(nameEnd, bodySize); }
    // The name as written, without the "/" of a closing tag.
    std::string_view name(std::string_view tagText) const {
        const std::size_t from = closing ? 1 : 0;
        return tagText.substr(from, nameSpanEnd() - from);
    }
    bool mayHaveArguments() const { return nameEnd < bodySize; }

private:
    // The name always takes the first character, even a blank one. Names
    // are short: a word at a time, reading past the tag where the text goes
    // on, ends most of them in one round, where a byte loop would mispredict
    // its exit.
    static std::size_t findNameEnd(std::string_view text, std::size_t readable) {
        using ByteSearch::Word;
        const std::size_t size = text.size();
        std::size_t i = 1;
        for (; i < size && i + sizeof(Word) <= readable; i += sizeof(Word)) {
            Word word;
            std::memcpy(&word, text.data() + i, sizeof word);
            const Word spaces = ByteSearch::equalBytes(word, ' ') |
                                ByteSearch::equalBytes(word, '\t') |
                                ByteSearch::equalBytes(word, '\n');
            if (spaces != 0)
                return std::min(i + ByteSearch::firstMarked(spaces), size);
        }
        while (i < size && !AsciiText::isTagSpace(text[i]))
            ++i;
        return std::min(i, size);
    }

    // "<br/>", "<br />" and "<a href="x"/>" close themselves: that "/" is
    // neither name nor argument. After an unquoted value ("<a href=dir/>")
    // it is part of the value. Returns the size of the text without it.
    static std::size_t withoutSelfClosingSlash(std::string_view text, std::size_t nameEnd) {
        const std::size_t size = text.size();
        if (size < 2 || text.back() != '/')
            return size;
        const char before = text[size - 2];
        if (AsciiText::isTagSpace(before) || before == '"' || nameEnd == size)
            return size - 1;
        return size;
    }
};
