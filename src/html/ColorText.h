#pragma once

#include "html/ColorChoice.h"

#include <cstdint>
#include <string>
#include <string_view>

// The four places that open Choose Color, each writing the result its way.
enum class ColorTextCaller { ChooseParameter, InsertTag, InsertTable, InsertFrames };

// How a colour is read from an argument's text into Choose Color and written
// back, shared by every caller.
namespace ColorText {

inline constexpr std::uint32_t ChannelMax = 255;

// "#rrggbb" and "\"#rrggbb" give a value (at most six hexadecimal digits are
// read); any other text gives a name, without its surrounding double quotes
// when it starts with one.
ColorChoice Read(std::string_view text);

// The chosen name when byName is set and the name is not empty, otherwise
// the value as "#" and six lower-case hexadecimal digits. Choose Parameter
// and Insert Tag put it in double quotes and upper-case all of it.
std::string Write(const ColorChoice& choice, ColorTextCaller caller);

// A channel's field read as an unsigned decimal number (the digits after any
// leading blanks, up to the first non-digit; none gives 0), held to 0..255: a larger number would
// otherwise run into the neighbouring channel.
std::uint32_t ChannelFromText(std::string_view text);

std::uint32_t Combine(std::uint32_t red, std::uint32_t green, std::uint32_t blue);
std::uint32_t Red(std::uint32_t value);
std::uint32_t Green(std::uint32_t value);
std::uint32_t Blue(std::uint32_t value);

} // namespace ColorText
