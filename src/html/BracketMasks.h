#pragma once

#include "html/ByteSearch.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Where the quotes and angle brackets of 64 bytes of text stand, one bit per
// byte in text order. The tag scanner walks these bits instead of the bytes:
// tags and the text between them are a dozen bytes long on average, so a
// byte search that restarts for every "<" and ">" pays its set-up and its
// mispredicted exit several times per word.
namespace BracketMasks {

inline constexpr size_t kBlock = 64;

struct Masks {
    std::uint64_t quotes = 0;
    std::uint64_t opens = 0;  // "<"
    std::uint64_t closes = 0; // ">"
};

// Bit i set when an odd number of bits up to and including bit i are set.
inline std::uint64_t prefixXor(std::uint64_t bits) {
    bits ^= bits << 1;
    bits ^= bits << 2;
    bits ^= bits << 4;
    bits ^= bits << 8;
    bits ^= bits << 16;
    bits ^= bits << 32;
    return bits;
}

// The high bits of equalBytes() of a little-endian word, gathered into the
// low eight bits in text order.
inline std::uint64_t gatherHighBits(ByteSearch::Word marks) {
    return ((marks >> 7) * 0x0102040810204080ull) >> 56;
}

// Eight bytes at a time in plain words; any platform.
inline Masks portable(const char* block) {
    Masks masks;
    for (size_t i = 0; i < kBlock; i += sizeof(ByteSearch::Word)) {
        if constexpr (std::endian::native == std::endian::little) {
            ByteSearch::Word word;
            std::memcpy(&word, block + i, sizeof word);
            masks.quotes |= gatherHighBits(ByteSearch::equalBytes(word, '"')) << i;
            masks.opens |= gatherHighBits(ByteSearch::equalBytes(word, '<')) << i;
            masks.closes |= gatherHighBits(ByteSearch::equalBytes(word, '>')) << i;
        } else {
            for (size_t k = i; k < i + sizeof(ByteSearch::Word); ++k) {
                masks.quotes |= std::uint64_t{block[k] == '"'} << k;
                masks.opens |= std::uint64_t{block[k] == '<'} << k;
                masks.closes |= std::uint64_t{block[k] == '>'} << k;
            }
        }
    }
    return masks;
}

#if defined(__SSE2__)
inline std::uint64_t equalMask(__m128i bytes, char wanted) {
    int bits = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(wanted)));
    return static_cast<std::uint32_t>(bits);
}
#endif

// The fastest form this build has; the same bits as portable().
inline Masks of(const char* block) {
#if defined(__SSE2__)
    Masks masks;
    for (size_t i = 0; i < kBlock; i += 16) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + i));
        masks.quotes |= equalMask(bytes, '"') << i;
        masks.opens |= equalMask(bytes, '<') << i;
        masks.closes |= equalMask(bytes, '>') << i;
    }
    return masks;
#else
    return portable(block);
#endif
}

} // namespace BracketMasks
