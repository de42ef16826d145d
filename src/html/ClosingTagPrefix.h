#pragma once

#include <optional>
#include <string_view>

// The name a closing tag typed at caret most likely closes: walking back
// from the caret over complete tags, a closing tag opens one level and any
// other tag (a tag without a closing one too) closes one; the first tag met
// at level 0 gives its first word, as typed. None when the walk reaches the
// start of the text. Each byte before the caret is looked at no more than
// twice, so a long text costs one pass, however few tags it holds.
std::optional<std::string_view> ClosingTagPrefix(std::string_view text, int caret);
