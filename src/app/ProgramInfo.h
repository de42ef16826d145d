#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the editor prints instead of starting, when its only argument is
// --version or --help: a desktop entry or a packager's script can then tell
// that the program runs without opening a window. Any other argument list
// is the editor's own command line (a file to open), so a file named
// "--help" still opens as "./--help". nullopt when the editor should start.
std::optional<std::string> ProgramInfoText(const std::vector<std::string>& arguments,
                                           std::string_view version);
