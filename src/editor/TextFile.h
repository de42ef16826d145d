#pragma once

#include "FileResult.h"
#include "LineEnding.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Reading and writing a document file. On disk lines may end in CR LF, LF or a
// lone CR; in memory they end in LF. Every other byte, 0 included, passes as is.
class TextFile {
public:
    struct Contents {
        std::string text;
        LineEnding lineEnding = LineEnding::Lf;
    };

    // Fails with TooLong when the file holds more than maxFileBytes bytes
    // (counted before line ends are converted), with CannotOpen when it is
    // missing, unreadable or not a regular file. reason, when given, receives
    // the system's words for a failure, for the message's detail.
    static FileResult load(const std::filesystem::path& path, std::size_t maxFileBytes,
                           Contents& contents, std::string* reason = nullptr);

    // Writes a temporary file beside the target, syncs it and renames it over
    // the target, so a failure leaves the old file as it was. The target keeps
    // its permission bits; one this user may not write is refused (see
    // WriteFileAtomically for root and for folders that are not writable).
    static FileResult save(const std::filesystem::path& path, std::string_view text,
                           LineEnding lineEnding);

    // Turns CR LF and lone CR into LF in place; CrLf when any CR LF was seen.
    static LineEnding toLf(std::string& bytes);
    static std::string withLineEnding(std::string_view text, LineEnding lineEnding);
};
