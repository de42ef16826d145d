#pragma once

#include <string>
#include <vector>

// What loading the tag data and colour name files came to. A file that could
// not be read leaves its part of the model empty; the caller decides how to
// tell the user, naming the file.
struct TagDataLoadResult {
    std::vector<std::string> unreadableFiles;

    bool ok() const { return unreadableFiles.empty(); }
};
