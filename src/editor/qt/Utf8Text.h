#pragma once

#include <string>
#include <string_view>

// How the editor reads its bytes on screen: a valid UTF-8 sequence is one
// character, any other byte stands alone as its Latin-1 character. The text
// itself is never converted, so every byte survives a round trip to disk.
namespace Utf8Text {

// Length in bytes of the character that starts at offset (1 for a byte that
// does not begin a valid sequence); 0 at or past the end.
int charLength(std::string_view text, int offset);

// Offset of the character that ends just before offset; 0 at the start.
int previousCharStart(std::string_view text, int offset);

// The code point of the character at offset, the Latin-1 value of a stray
// byte; 0 past the end.
char32_t codePointAt(std::string_view text, int offset);

// The bytes as display text in UTF-16, character by character as above.
std::u16string toDisplay(std::string_view bytes);

// A string of display characters back to bytes: UTF-8.
std::string fromDisplay(std::u16string_view text);

} // namespace Utf8Text
