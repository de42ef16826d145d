#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Byte-level helpers shared by the tag data parser and the scanners. Only
// ASCII letters change case: bytes of other encodings pass through untouched,
// whatever the process locale says.
namespace AsciiText {

// Branch-free, so that loops over it vectorise.
inline char upper(char c) {
    unsigned char lowerCase = static_cast<unsigned char>(c - 'a') < 26;
    return static_cast<char>(c - (lowerCase << 5));
}

// upper() on all bytes of a word at once: a byte of 'a'..'z' loses bit 5,
// any other byte, those at or above 0x80 included, stays as it is.
template <typename Word> Word upperWord(Word word) {
    constexpr Word kLowBytes = static_cast<Word>(~Word{0}) / 0xFF;
    constexpr Word kHighBits = kLowBytes * 0x80;
    Word sevenBits = word & ~kHighBits;
    Word atLeastA = sevenBits + kLowBytes * (0x80 - 'a');
    Word aboveZ = sevenBits + kLowBytes * (0x80 - 'z' - 1);
    Word lowerCase = atLeastA & ~aboveZ & ~word & kHighBits;
    return word ^ (lowerCase >> 2);
}

template <typename Word> void upperWordAt(const char* in, char* out, size_t at) {
    Word word;
    std::memcpy(&word, in + at, sizeof word);
    word = upperWord(word);
    std::memcpy(out + at, &word, sizeof word);
}

// Copies and upper-cases, reusing target's storage. Whole words at a time,
// the last one overlapping the one before it, so that the short names and
// values of tags need no byte loop of their own length.
inline void assignUpper(std::string& target, std::string_view text) {
    const size_t size = text.size();
    if (target.size() != size)
        target.resize(size);
    char* out = target.data();
    const char* in = text.data();
    if (size >= sizeof(std::uint64_t)) {
        for (size_t i = 0; i + sizeof(std::uint64_t) < size; i += sizeof(std::uint64_t))
            upperWordAt<std::uint64_t>(in, out, i);
        upperWordAt<std::uint64_t>(in, out, size - sizeof(std::uint64_t));
    } else if (size >= sizeof(std::uint32_t)) {
        upperWordAt<std::uint32_t>(in, out, 0);
        upperWordAt<std::uint32_t>(in, out, size - sizeof(std::uint32_t));
    } else {
        for (size_t i = 0; i < size; ++i)
            out[i] = upper(in[i]);
    }
}

inline std::string upperCopy(std::string_view text) {
    std::string result;
    assignUpper(result, text);
    return result;
}

// Whether text, upper-cased, is upperText.
inline bool equalsUpper(std::string_view text, std::string_view upperText) {
    return text.size() == upperText.size() &&
           std::equal(text.begin(), text.end(), upperText.begin(),
                      [](char c, char wanted) { return upper(c) == wanted; });
}

// The scanner's white space: blank, line feed and tab. A carriage return is
// deliberately not white space for tags.
inline bool isTagSpace(char c) {
    // One shift and mask instead of three compares: bits 9 (tab), 10 (line
    // feed) and 32 (blank) of a 64-bit set.
    constexpr unsigned long long kSpaces = (1ull << '\t') | (1ull << '\n') | (1ull << ' ');
    unsigned char byte = static_cast<unsigned char>(c);
    return byte < 64 && ((kSpaces >> byte) & 1) != 0;
}

inline std::string_view trimTagSpace(std::string_view text) {
    while (!text.empty() && isTagSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isTagSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// White space of data file lines, which may come with stray control bytes.
inline bool isLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

inline std::string_view trimLine(std::string_view text) {
    while (!text.empty() && isLineSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isLineSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace AsciiText
