#pragma once

#include <string>
#include <vector>

// What loading the tag data and colour name files came to. A file that could
// not be read leaves its part of the model empty; the caller decides how to
// tell the user, naming the file.
struct TagDataLoadResult {
    std::vector<std::string> unreadableFiles;
    // Why each of unreadableFiles could not be read, in the same order.
    std::vector<std::string> reasons;

    bool ok() const { return unreadableFiles.empty(); }
    void addUnreadable(const std::string& file, const std::string& reason) {
        unreadableFiles.push_back(file);
        reasons.push_back(reason);
    }
};
