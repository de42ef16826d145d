#pragma once

#include <optional>
#include <string>

// Reads a whole file the way the editor loads a document: bytes unchanged
// except that CR LF and a lone CR become LF, so offsets into the result are
// the editor's offsets. nullopt when the file is missing, unreadable, not a
// regular file or larger than the data file limit (which also keeps offsets
// within int); reason, when given, then receives the system's words for it.
std::optional<std::string> ReadFileText(const std::string& path, std::string* reason = nullptr);

// The line-end conversion on its own, in place.
void NormalizeLineEnds(std::string& text);
