#pragma once

#include "TableFields.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The TABLE element of Insert Table. The first line stands where the caret
// is; every further line starts with indentTabs tabs, rows one tab deeper,
// cells two. Cells are opened only.
namespace TableHtml {

// The width of the first line of tab-separated text: one more than its
// tabs.
int ClipboardColumns(std::string_view clipboard);

// A count typed into a field: its leading decimal digits, 0 without any.
int CountOf(std::string_view text);

// With useClipboard the grid follows clipboard (line feeds only): a cell
// ends at a tab or a line feed, a line feed also ends the row, and the text
// after the last separator is not a cell. Nothing when the text would grow
// past limit bytes, so a mistyped count cannot exhaust memory.
std::optional<std::string> Build(const TableFields& fields, int indentTabs,
                                 std::string_view clipboard, std::size_t limit);

} // namespace TableHtml
