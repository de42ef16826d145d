#include "app/LinkTarget.h"

#include "app/LocalTarget.h"
#include "project/PathUtils.h"

namespace {

std::string unquoted(std::string_view value) {
    if (!value.empty() && value.front() == '"') {
        value.remove_prefix(1);
        if (!value.empty()) {
            value.remove_suffix(1);
        }
    }
    return std::string(value);
}

} // namespace

LinkTarget LinkTarget::Resolve(std::string_view value, const std::string& documentPath) {
    std::string link = unquoted(value);
    std::string bookmark;
    SplitAnchor(link, bookmark);
    for (char& c : link) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (!IsLocalLink(link)) {
        return {Kind::WebAddress, link};
    }
    // A bookmark or a query alone stays in the document.
    if (link.empty() || link.front() == '?') {
        return {documentPath.empty() ? Kind::Unresolved : Kind::LocalFile, documentPath};
    }
    // A relative link needs the document's folder; an untitled document
    // has none (and the program's current folder means nothing here).
    const std::string folder = DirectoryOf(documentPath);
    if (folder.empty()) {
        return {Kind::Unresolved, link};
    }
    // Named the way a browser reads it: "my%20page.html?x=1" is the file
    // "my page.html".
    return {Kind::LocalFile, LocalTarget::PathOf(link, folder, folder)};
}
