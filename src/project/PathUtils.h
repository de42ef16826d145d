#pragma once

#include <string>
#include <string_view>

// Pure text operations that convert between absolute paths, paths relative to
// a project directory and link text in URL style. None of them touches the
// file system and none fails. "The separator" is the native one ('/' here);
// the foreign slash is '\\'. A directory argument ends with a separator.

// The path up to and including its last native separator; "" without one.
std::string DirectoryOf(std::string_view path);

// target relative to the directory base, with "../" steps for each directory
// of base below the common prefix. Comparison is case-sensitive on this
// platform; the tail keeps the target's own text.
std::string RelativePath(std::string_view target, std::string_view base);

// base + relative, with leading ".." steps of relative folded into base.
std::string AbsolutePath(std::string_view base, std::string_view relative);

void ToForwardSlashes(std::string& path);
void ToBackslashes(std::string& path);

// Splits the bookmark (from the last '#' to the end) off link into anchor.
// Returns false and changes nothing when link has no '#'.
bool SplitAnchor(std::string& link, std::string& anchor);

// True when text can name a file relative to some directory: no ':' and at
// most one dot that stands alone.
bool IsLocalLink(std::string_view text);

// True when the extension of file (text after its last '.') occurs in the
// semicolon-separated pattern list ("*.html;*.htm"), compared ignoring case.
bool HasExtension(std::string_view list, std::string_view file);
