#pragma once

#include <string>
#include <string_view>

// Where a link value leads from a document: a file on disk, an address for
// the desktop's handler (a web page, a mail), or nowhere this program can
// tell (a relative link in a document that has no folder yet).
struct LinkTarget {
    enum class Kind { LocalFile, WebAddress, Unresolved };

    Kind kind = Kind::Unresolved;
    std::string target;

    // value as written in the document (quotes included); documentPath ""
    // for an untitled document. A bookmark is dropped: a link that is only
    // a bookmark leads to the document itself.
    static LinkTarget Resolve(std::string_view value, const std::string& documentPath);
};
