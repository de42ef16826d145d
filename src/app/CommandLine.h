#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the text after the program name asks for at start-up.
struct CommandLineAction {
    enum Kind { Nothing, OpenFile, NewFromDefaultTemplate };
    Kind kind = Nothing;
    std::string path; // for OpenFile: open in the editor whatever its extension
};

// Double quotes count as blanks. "app" as the whole first word asks for the
// file after it, or for a new document from the default template when
// nothing follows; otherwise the whole trimmed text names the file.
CommandLineAction ProcessCommandLine(std::string_view text);

// The command-line text of the arguments after the program name.
std::string JoinArguments(const std::vector<std::string>& arguments);

// A path from the command line as the document's path: relative to
// currentDir when relative, with "." and ".." steps folded, and symbolic
// links left as written, so that opening the same file again by its full
// path finds the same window.
std::string AbsoluteCommandLinePath(const std::string& path, const std::string& currentDir);
