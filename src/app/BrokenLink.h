#pragma once

#include <string>

// A reference whose local target is missing, or whose target page holds no
// element with the bookmark it names.
struct BrokenLink {
    enum class Kind { TargetNotFound, BookmarkNotFound };

    Kind kind = Kind::TargetNotFound;
    int start = 0;     // the value span's start in the page's text
    std::string value; // as written, bookmark included

    const char* message() const {
        return kind == Kind::TargetNotFound ? "link target not found" : "bookmark not found";
    }
};
