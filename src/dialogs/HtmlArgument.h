#pragma once

#include <string>
#include <string_view>

// How the insert dialogs write one argument of a tag: " NAME=" and the value
// as typed, or nothing at all when the field was left empty.
namespace HtmlArgument {

void Append(std::string& tag, std::string_view name, std::string_view value);

// The same with the value in double quotes; quotes typed inside it are kept
// as they are.
void AppendQuoted(std::string& tag, std::string_view name, std::string_view value);

} // namespace HtmlArgument
