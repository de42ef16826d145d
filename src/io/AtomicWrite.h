#pragma once

#include <string>
#include <string_view>

enum class AtomicWriteResult {
    Ok,
    ReadOnly,    // this user may not write the target (root: its owner may not)
    WriteFailed, // not a regular file, or the new content could not be written or put in place
};

// A new file gets the mode the umask gives any new file; with Forced every
// file, new or old, gets exactly the given mode (for files that hold secrets).
enum class FileMode { KeepExisting, Forced };

// Replaces the file at path with bytes so that a failure at any moment leaves
// either the old file or the new one, never a truncated mix: the bytes go to
// a temporary file beside it, which is synced and renamed over it. An
// existing file keeps its owner and permission bits. A file this user may not
// write is refused, even when the folder would let the rename pass; root,
// whom the system lets write anything, is refused a file its owner may not
// write. A symbolic link stays a link and the file it points at is replaced,
// or created when it does not exist yet.
//
// Temporaries left by saves that were killed are removed by the next save in
// the folder. When the folder is not writable but the file is, the file is
// overwritten in place instead, which is not atomic; see writeInPlace.
AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                      FileMode policy = FileMode::KeepExisting,
                                      unsigned forcedMode = 0600);
