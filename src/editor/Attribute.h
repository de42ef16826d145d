#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The colour of one byte of text as the attribute buffer stores it: an index
// into the editor's colour table. The numbers are what the buffer holds and
// what marks record, so they never change.
enum class Attr : std::uint8_t {
    Default = 0,  // plain text; every recoloured region starts here
    White = 1,    // the window's background and the text of a selection
    Tag = 2,      // tag names, with the "/" of a closing tag
    Argument = 3, // argument names
    Mark = 4,     // marks set by the user or the find command
    HiLight = 5,  // the background of a selection
    Special = 6,  // marks set by the error log and link validation
    // Fixed colours of the table that nothing writes yet.
    Yellow = 7,
    Grey = 8,
    Navy = 9,
    Parameter = 10, // argument values
    DarkRed = 11,
};

inline constexpr int AttrCount = 12;

// The byte the attribute buffer holds for a colour.
constexpr std::uint8_t attrByte(Attr attr) {
    return static_cast<std::uint8_t>(attr);
}

// The colour index a mark records (marks keep -1 for "not drawn").
constexpr int attrIndex(Attr attr) {
    return static_cast<int>(attr);
}

// The names that tests and the golden files write: "{Tag}" says at a glance
// what "{2}" makes the reader look up.
inline constexpr std::array<std::string_view, AttrCount> AttrNames = {
    "Default", "White",  "Tag",  "Argument", "Mark",      "HiLight",
    "Special", "Yellow", "Grey", "Navy",     "Parameter", "DarkRed",
};

// A stored byte outside the table has no colour of its own.
constexpr std::optional<Attr> attrFromByte(std::uint8_t byte) {
    if (byte >= AttrCount) {
        return std::nullopt;
    }
    return static_cast<Attr>(byte);
}

constexpr std::string_view attrName(Attr attr) {
    return AttrNames[attrByte(attr)];
}

constexpr std::optional<Attr> attrFromName(std::string_view name) {
    for (std::size_t i = 0; i < AttrNames.size(); ++i) {
        if (AttrNames[i] == name) {
            return static_cast<Attr>(i);
        }
    }
    return std::nullopt;
}
