#pragma once

#include "html/TextSpan.h"

#include <optional>
#include <string>
#include <string_view>

// The tag around one position of the editor's text, and where in that tag the
// position stands. Offsets other than start and end are relative to start.
struct CCaretTag {
    static constexpr int InName = 200;
    static constexpr int InArgument = 201;
    static constexpr int InValue = 202;
    static constexpr int AtNameEnd = 203;
    static constexpr int AfterArgumentName = 204;
    static constexpr int AtValueEnd = 205;

    static constexpr int SpanName = 300;
    static constexpr int SpanArgumentName = 301;
    static constexpr int SpanValue = 302;

    std::string text; // the characters after "<", as typed
    int start = 0;    // index of the first character after "<"
    int end = 0;      // index of the last character of text
    int selOffset = 0;
    int caretOffset = 0;
    std::string argText;
    int argStart = 0;
    int argEnd = 0;
    std::string valueText;
    int valueStart = 0; // one before the value's first character
    int positionClass = InName;

    // The tag name as typed, "/" included for a closing tag.
    std::string_view firstWord() const;
    // argText up to its first white space or "=".
    std::string_view argumentName() const;
};

// The tag around the selection of an editor (scanning back from one before
// the selection start), or none when the selection is not inside a tag.
std::optional<CCaretTag> CaretTagAt(std::string_view text, int selectionStart, int caret);

// The tag around a single position (the caret or the mouse).
std::optional<CCaretTag> CaretTagAt(std::string_view text, int position);

void ClassifyCaretTag(CCaretTag& tag);

// The absolute span of the tag name, argument name or value (which is one of
// the Span constants); none for any other which.
std::optional<TextSpan> CaretTagSpan(const CCaretTag& tag, int which);
