#pragma once

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

// Copies and upper-cases in one pass, reusing target's storage.
inline void assignUpper(std::string& target, std::string_view text) {
    const size_t size = text.size();
    if (target.size() != size)
        target.resize(size);
    char* out = target.data();
    const char* in = text.data();
    for (size_t i = 0; i < size; ++i)
        out[i] = upper(in[i]);
}

inline std::string upperCopy(std::string_view text) {
    std::string result;
    assignUpper(result, text);
    return result;
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
