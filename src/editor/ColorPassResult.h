#pragma once

#include <cstdint>
#include <vector>

// What one colouring pass wants done to the text it was computed from.
// Offsets are absolute offsets into that text.
struct ColorPassResult {
    struct Span {
        int start = 0;
        int end = 0; // exclusive
    };

    int regionStart = 0;
    // One stored Attr byte per byte of the region, starting at regionStart.
    std::vector<std::uint8_t> attributes;
    // Name ranges that hold lower-case letters and are to be upper-cased.
    std::vector<Span> upperCase;
    // Scan positions just after a tag, with colouring on, in order: a later
    // pass may start at any of them instead of at the start of the text.
    std::vector<int> resumePoints;
    // The text generation the snapshot was taken from; set by the requester.
    std::uint64_t generation = 0;

    int regionEnd() const { return regionStart + static_cast<int>(attributes.size()); }
};
