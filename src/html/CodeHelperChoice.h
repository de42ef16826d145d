#pragma once

#include "html/CCaretTag.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CTagData;
class CodeHelperList;

// What the CodeHelper offers: nothing, the tag names, the current tag's
// argument names or the current argument's values.
enum class CodeHelperMode { Hidden = 0, TagNames = 2, ArgumentNames = 3, Values = 4 };

// Where the CodeHelper opens: the editor's text and selection, and the open
// project's files as links from the document (asked for only when a link
// value is being typed; empty or unset without a project).
struct CodeHelperContext {
    std::string_view text;
    int selectionStart = 0;
    int caret = 0;
    std::function<std::vector<std::string>()> projectLinks;
};

struct CodeHelperChoice {
    CodeHelperMode mode = CodeHelperMode::Hidden;
    // The tag the entries are for; Return works on it later.
    std::optional<CCaretTag> caretTag;
};

// Fills list with what the caret's position offers, sorted, with the entry
// matching what has been typed selected. Hidden, and list empty, when the
// caret is outside a tag or the tag or argument is unknown.
CodeHelperChoice ChooseCodeHelperEntries(const CTagData& tags, const CodeHelperContext& context,
                                         CodeHelperList& list);
