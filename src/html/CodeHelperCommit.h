#pragma once

#include "html/CodeHelperChoice.h"
#include "html/TextSpan.h"

#include <optional>
#include <string>
#include <string_view>

class CTagData;

// The replacement Return makes with the chosen entry.
struct CodeHelperEdit {
    TextSpan span;
    std::string text;
};

// What replaces the word being typed in tag (the caret tag the list was made
// for) when entry is chosen in mode: a value, an argument name, or a tag
// name in upper case, with "/" for a closing tag and ">" where nothing more
// can follow and no ">" stands there yet. None in Hidden mode.
std::optional<CodeHelperEdit> CodeHelperCommitEdit(const CTagData& tags, std::string_view text,
                                                   CodeHelperMode mode, const CCaretTag& tag,
                                                   std::string_view entry);
