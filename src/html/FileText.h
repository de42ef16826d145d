#pragma once

#include <optional>
#include <string>

// Reads a whole file the way the editor loads a document: bytes unchanged
// except that CR LF and a lone CR become LF, so offsets into the result are
// the editor's offsets. nullopt when the file cannot be opened or read, or is
// too large for int offsets.
std::optional<std::string> ReadFileText(const std::string& path);

// The line-end conversion on its own, in place.
void NormalizeLineEnds(std::string& text);
