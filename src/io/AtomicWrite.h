#pragma once

#include <string>
#include <string_view>

enum class AtomicWriteResult {
    Ok,
    ReadOnly,    // the target has no write permission for its owner
    WriteFailed, // not a regular file, or the temporary file could not be written or put in place
};

// A new file gets the mode the umask gives any new file; with Forced every
// file, new or old, gets exactly the given mode (for files that hold secrets).
enum class FileMode { KeepExisting, Forced };

// Replaces the file at path with bytes so that a failure at any moment leaves
// either the old file or the new one, never a truncated mix: the bytes go to
// a temporary file beside it, which is synced and renamed over it. An
// existing file keeps its owner and permission bits; a file that its owner
// may not write is refused, also for root, whom the system would let write.
// A symbolic link stays a link and the file it points at is replaced.
AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                      FileMode policy = FileMode::KeepExisting,
                                      unsigned forcedMode = 0600);
