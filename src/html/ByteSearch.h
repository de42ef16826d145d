#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Finds the next of a few given bytes eight bytes at a time in a plain 64-bit
// word. The stretches the tag scanner crosses (tag bodies, values, text
// between tags) are mostly a few dozen bytes long: too short for memchr's
// call to pay off, too long for a byte-by-byte loop to be cheap.
namespace ByteSearch {

using Word = std::uint64_t;

inline constexpr Word kLowBytes = 0x0101010101010101ull;
inline constexpr Word kHighBits = 0x8080808080808080ull;

// The high bit of every byte of word that is zero, and no other bit. Exact,
// unlike the shorter borrow trick, so the mask of several bytes can be or-ed.
inline Word zeroBytes(Word word) {
    Word lowSevenNonZero = (word & ~kHighBits) + ~kHighBits;
    return ~(lowSevenNonZero | word | ~kHighBits);
}

inline Word equalBytes(Word word, unsigned char wanted) {
    return zeroBytes(word ^ (kLowBytes * wanted));
}

// Index within the word of the first byte in text order whose high bit is set
// in mask (mask must not be zero).
inline size_t firstMarked(Word mask) {
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<size_t>(std::countr_zero(mask)) / 8;
    else
        return static_cast<size_t>(std::countl_zero(mask)) / 8;
}

// Index of the first byte at or after from that is one of Wanted; text's
// size when there is none.
template <unsigned char... Wanted> size_t findAny(std::string_view text, size_t from) {
    const char* data = text.data();
    const size_t size = text.size();
    size_t i = from;
    for (; i + sizeof(Word) <= size; i += sizeof(Word)) {
        Word word;
        std::memcpy(&word, data + i, sizeof(Word));
        Word hits = (equalBytes(word, Wanted) | ...);
        if (hits != 0)
            return i + firstMarked(hits);
    }
    for (; i < size; ++i) {
        unsigned char byte = static_cast<unsigned char>(data[i]);
        const bool wanted = (... || (byte == Wanted));
        if (wanted)
            return i;
    }
    return size;
}

// For every byte, its high bit set when an odd number of bytes up to and
// including it are marked in marks (high bits only).
inline Word runningParity(Word marks) {
    if constexpr (std::endian::native == std::endian::little) {
        marks ^= marks << 8;
        marks ^= marks << 16;
        marks ^= marks << 32;
    } else {
        marks ^= marks >> 8;
        marks ^= marks >> 16;
        marks ^= marks >> 32;
    }
    return marks;
}

inline bool lastMarked(Word mask) {
    if constexpr (std::endian::native == std::endian::little)
        return (mask >> 63) != 0;
    else
        return (mask & 0x80) != 0;
}

// Index of the first "<" or ">" at or after from that stands outside double
// quotes; text's size when there is none. quoted says whether a quote is
// open at from and is left saying whether one is open where the search ended
// (never inside quotes at a "<" or ">"). A whole word is decided at once,
// quotes and all, so a run of short quoted values costs no extra rounds.
inline size_t findUnquotedBracket(std::string_view text, size_t from, bool& quoted) {
    const char* data = text.data();
    const size_t size = text.size();
    size_t i = from;
    // All high bits while a quote is open, kept without a branch: quotes in
    // values come too irregularly for a predictor.
    Word open = quoted ? kHighBits : 0;
    for (; i + sizeof(Word) <= size; i += sizeof(Word)) {
        Word word;
        std::memcpy(&word, data + i, sizeof(Word));
        Word inside = runningParity(equalBytes(word, '"')) ^ open;
        // "<" and ">" differ only in bit 1: setting it leaves ">" for both.
        Word brackets = equalBytes(word | (kLowBytes * 2), '>') & ~inside;
        if (brackets != 0) {
            quoted = false;
            return i + firstMarked(brackets);
        }
        open = kHighBits * static_cast<Word>(lastMarked(inside));
    }
    quoted = open != 0;
    for (; i < size; ++i) {
        if (data[i] == '"')
            quoted = !quoted;
        else if (!quoted && (data[i] == '<' || data[i] == '>'))
            return i;
    }
    return size;
}

} // namespace ByteSearch
