#pragma once

#include <string>
#include <string_view>

// Replaces the file at path with bytes so that a failure at any moment leaves
// either the old file or the new one, never a truncated mix: the bytes go to
// a temporary file beside it, which is flushed to disk and renamed over it.
// An existing file keeps its permission bits; a file that its owner may not
// write is refused, also for a user (root) whom the system would let write.
// A new file gets newFileMode (less the umask); with FileMode::Forced every
// file gets exactly newFileMode, for files that hold secrets.
enum class FileMode { KeepExisting, Forced };
bool WriteFileAtomically(const std::string& path, std::string_view bytes, unsigned newFileMode = 0666,
                         FileMode policy = FileMode::KeepExisting);
