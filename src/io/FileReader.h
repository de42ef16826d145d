#pragma once

#include "io/ReadResult.h"

#include <cstddef>
#include <string>

// The one way the program reads a file whole. The file is opened without
// blocking and accepted only when it is a regular file, so a FIFO cannot hang
// the caller and a device such as /dev/zero cannot fill the memory; the size
// is capped by the caller, who knows what is reasonable for the kind of file.
class FileReader {
public:
    // Pages to check, tag data, colour names, project files and tips.
    static constexpr std::size_t kDataFileLimit = std::size_t{64} << 20;

    struct Contents {
        ReadResult result = ReadResult::Failed;
        std::string bytes;  // the whole file when result is Ok, empty otherwise
        std::string detail; // why it failed, in the system's words; empty when Ok

        bool ok() const { return result == ReadResult::Ok; }
    };

    static Contents read(const std::string& path, std::size_t maxBytes);
};
