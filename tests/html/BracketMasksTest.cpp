#include "html/BracketMasks.h"

#include <gtest/gtest.h>
#include <random>

// The plain-word form stands in on machines without SSE2; it and the form
// this build uses must mark the same bytes, high bytes included.
TEST(BracketMasksTest, PortableFormMarksTheSameBytesAsTheFastOne) {
    std::mt19937 random(7);
    const char interesting[] = {'"', '<', '>', '\0', '\x80', '\xbc', '\xbe', '\xa2', ';', '=', 'a'};
    char block[BracketMasks::kBlock];
    for (int round = 0; round < 2000; ++round) {
        for (char& byte : block) {
            byte = random() % 2 ? interesting[random() % sizeof interesting]
                                : static_cast<char>(random());
        }
        BracketMasks::Masks expected;
        for (size_t i = 0; i < BracketMasks::kBlock; ++i) {
            expected.quotes |= std::uint64_t{block[i] == '"'} << i;
            expected.opens |= std::uint64_t{block[i] == '<'} << i;
            expected.closes |= std::uint64_t{block[i] == '>'} << i;
        }
        for (const BracketMasks::Masks& got :
             {BracketMasks::portable(block), BracketMasks::of(block)}) {
            ASSERT_EQ(got.quotes, expected.quotes) << round;
            ASSERT_EQ(got.opens, expected.opens) << round;
            ASSERT_EQ(got.closes, expected.closes) << round;
        }
    }
}

TEST(BracketMasksTest, PrefixXorCountsTheBitsUpToEachOne) {
    std::mt19937_64 random(11);
    for (int round = 0; round < 1000; ++round) {
        const std::uint64_t bits = random() & random();
        std::uint64_t expected = 0;
        bool odd = false;
        for (int i = 0; i < 64; ++i) {
            odd ^= ((bits >> i) & 1) != 0;
            expected |= std::uint64_t{odd} << i;
        }
        ASSERT_EQ(BracketMasks::prefixXor(bits), expected);
    }
}
