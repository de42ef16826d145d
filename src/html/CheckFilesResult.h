#pragma once

#include <string>

// Outcome of checking a list of files.
struct CheckFilesResult {
    bool ioError = false;
    std::string failedPath;   // the file that could not be read
    std::string failedReason; // why, in the system's words
    int errorCount = 0;
};
