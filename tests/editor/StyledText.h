#pragma once

#include "editor/Attribute.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text with "{Name}" written wherever the colour changes ("x<{Tag}b
// {Default}>"), so that a failure shows which bytes got which colour. Bytes
// start as Default; a stored byte outside the table is written as its number.
inline std::string styledText(std::string_view text, const std::vector<std::uint8_t>& attributes) {
    std::string out;
    std::uint8_t current = attrByte(Attr::Default);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (attributes[i] != current) {
            current = attributes[i];
            const std::optional<Attr> attr = attrFromByte(current);
            out += '{';
            out += attr ? std::string(attrName(*attr)) : std::to_string(current);
            out += '}';
        }
        out += text[i];
    }
    return out;
}
