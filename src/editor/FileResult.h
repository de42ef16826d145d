#pragma once

// Why loading or saving a document failed, so the caller can say so.
enum class FileResult {
    Ok,
    CannotOpen,  // missing, unreadable or not a regular file
    TooLong,     // the file is longer than a document may be
    ReadOnly,    // this user may not write the target (root: its owner may not)
    WriteFailed, // the temporary file could not be written or put in place
};
