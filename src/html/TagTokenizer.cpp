#include "html/TagTokenizer.h"

#include "html/AsciiText.h"
#include "html/ByteSearch.h"

#include <algorithm>
#include <cstring>

using AsciiText::isTagSpace;

void TagTokenizer::fill(CTagToken& token) {
    fill(token, TagHead::split(text_, readable_));
}

void TagTokenizer::fill(CTagToken& token, const TagHead& head) {
    token.closing = head.closing;
    AsciiText::assignUpper(token.name, head.name(text_));
    scanArguments(text_.substr(0, head.bodySize), head.nameEnd, token);
    if (token.arguments.size() != count_)
        token.arguments.resize(count_);
}

void TagTokenizer::scanArguments(std::string_view body, size_t from, CTagToken& token) {
    size_t i = from;
    while (true) {
        while (i < body.size() && isTagSpace(body[i]))
            ++i;
        if (i >= body.size())
            return;
        size_t begin = i;
        size_t end = argumentEnd(body, i);
        addArgument(body, begin, end, token);
    }
}

// Moves i past one argument and returns where the argument ends.
size_t TagTokenizer::argumentEnd(std::string_view body, size_t& i) {
    const size_t size = body.size();
    equals_ = std::string_view::npos;
    while (i < size && !isTagSpace(body[i]) && body[i] != '=')
        ++i;
    if (i >= size)
        return size;
    if (isTagSpace(body[i])) {
        size_t spaceStart = i;
        while (i < size && isTagSpace(body[i]))
            ++i;
        if (i >= size || body[i] != '=')
            return spaceStart;
    }
    equals_ = i;
    ++i;
    while (i < size && isTagSpace(body[i]))
        ++i;
    return valueEnd(body, i);
}

// Runs to the first white space outside quotes; a quoted stretch is crossed
// in one search for its closing quote.
size_t TagTokenizer::valueEnd(std::string_view body, size_t& i) {
    const size_t size = body.size();
    while (i < size) {
        if (quoted_) {
            size_t close = ByteSearch::findAny<'"'>(body, i);
            quoted_ = close >= size;
            i = quoted_ ? size : close + 1;
        } else if (isTagSpace(body[i])) {
            break;
        } else {
            quoted_ = body[i++] == '"';
        }
    }
    return i;
}

// Every field is written from locals and none is read back: loading a field
// right after storing it can stall on store forwarding, once per argument.
void TagTokenizer::addArgument(std::string_view body, size_t begin, size_t end, CTagToken& token) {
    // Reuses the argument records of the previous token, strings and all, so
    // that a scan allocates next to nothing once it is warm.
    if (count_ == token.arguments.size())
        token.arguments.emplace_back();
    CArgToken& argument = token.arguments[count_++];
    std::string_view raw = body.substr(begin, end - begin);
    const int start = offset_ + static_cast<int>(begin);
    const int stop = offset_ + static_cast<int>(end);
    argument.raw = raw;
    argument.start = start;
    argument.end = stop;
    argument.nameStart = start;
    argument.valueEnd = stop;
    // The first "=" of raw is the one the argument scan stopped at.
    if (equals_ == std::string_view::npos) {
        argument.hasValue = false;
        argument.nameEnd = stop;
        argument.valueStart = stop;
        if (detail_ == TokenDetail::Full) {
            AsciiText::assignUpper(argument.name, AsciiText::trimTagSpace(raw));
            argument.value.clear();
        }
        return;
    }
    const size_t equals = equals_ - begin;
    argument.hasValue = true;
    argument.nameEnd = start + static_cast<int>(equals);
    argument.valueStart = start + static_cast<int>(equals) + 1;
    if (detail_ == TokenDetail::Full)
        copyNameAndValue(raw, equals, argument);
}

void TagTokenizer::copyNameAndValue(std::string_view raw, size_t equals, CArgToken& argument) {
    AsciiText::assignUpper(argument.name, AsciiText::trimTagSpace(raw.substr(0, equals)));
    std::string_view value = AsciiText::trimTagSpace(raw.substr(equals + 1));
    if (!value.empty() && value.front() == '"')
        value.remove_prefix(1);
    if (!value.empty() && value.back() == '"')
        value.remove_suffix(1);
    AsciiText::assignUpper(argument.value, value);
}
