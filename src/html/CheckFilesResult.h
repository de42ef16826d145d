#pragma once

#include <string>

// Outcome of checking a list of files.
struct CheckFilesResult {
    bool ioError = false;
    std::string failedPath; // the file that could not be read
    int errorCount = 0;
};
