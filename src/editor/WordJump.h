#pragma once

#include <string_view>

// Where Ctrl+Left and Ctrl+Right take the caret. Letters, digits, "_" and
// every byte of a multi-byte character form words; a run of other
// punctuation is a stop of its own, and a tag's "<" and ">" and each quote
// character stop the jump one by one, so that the caret lands on the parts
// of a tag. Blanks after a word are passed over; a line end is one step.
namespace WordJump {

// The start of the next word after offset (or the end of the line or text).
int next(std::string_view text, int offset);
// The start of the word before offset (or the start of the line or text).
int previous(std::string_view text, int offset);

} // namespace WordJump
