#pragma once

#include <string>
#include <string_view>

// Pure text rules behind the editor's mouse and indent commands, kept apart
// from the widget so that they can be checked on plain strings.
namespace TextRanges {

struct Range {
    int start = 0;
    int end = 0;

    bool operator==(const Range&) const = default;
};

// What a double click at offset selects: the contents between a quote and
// its partner (with the quotes when withQuotes), the contents after an
// opening bracket, both brackets back from a closing one, else the word.
// No nesting is counted; a missing partner runs to the text's edge.
Range doubleClickRange(std::string_view text, int offset, bool withQuotes);

// The word around offset; blank, line feed, tab, "<", ">", "=" and the
// double quote delimit words.
Range wordAt(std::string_view text, int offset);

struct BlockIndent {
    Range replaced;   // what the new text replaces
    std::string text; // the indented or unindented lines
    int caretShift = 0;
    Range selection; // afterwards: the same lines, from the first one's start
};

// One tab added to (or, with unindent, one leading tab removed from) each
// line of [selectionStart, caret). The range is widened back to the line
// feed before the first line so that its tab goes in with the others; the
// selection afterwards starts after that line feed, so that a further indent
// takes exactly the same lines.
BlockIndent blockIndent(std::string_view text, int selectionStart, int caret, bool unindent);

} // namespace TextRanges
