#pragma once

#include <string>
#include <string_view>

// Conversions of the editor's text on its way to and from the clipboard.
namespace ClipboardText {

// Line feeds as the platform's clipboard expects them (CR LF on Windows).
std::string toPlatformLineEnds(std::string_view text);

// The editor's text holds no carriage return: every one is dropped.
std::string removeCarriageReturns(std::string_view text);

// The text with its markup dropped: bytes inside "<...>" go, and a ">"
// between double quotes does not end a tag.
std::string plainTextOf(std::string_view text);

} // namespace ClipboardText
