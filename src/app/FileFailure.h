#pragma once

#include "editor/FileResult.h"

#include <string>

// The detail of a "Failed to open file" or "Failed to save file." message:
// the file's path and, in words, why the operation failed: the system's words
// when the caller has them, else found by looking at the file as it is now.
std::string DescribeFileFailure(const std::string& path, FileResult result,
                                const std::string& systemWords = {});
