#include "app/FileFilter.h"

#include <algorithm>
#include <vector>

namespace {

// Qt separates the patterns inside the parentheses by blanks.
std::string patternsOf(std::string list) {
    std::replace(list.begin(), list.end(), ';', ' ');
    return list;
}

std::string piece(const std::string& description, const std::string& list) {
    return description + " (" + patternsOf(list) + ")";
}

} // namespace

std::string BuildFileFilter(unsigned flags, const CEditorSettings& settings) {
    std::vector<std::string> pieces;
    if (flags & FilterSupported) {
        pieces.push_back(piece("Supported Files", settings.OpenExt));
    }
    if (flags & FilterHtml) {
        pieces.push_back(piece("HTML Files", settings.HTMLExt));
    }
    if (flags & FilterImages) {
        pieces.push_back(piece("Image Files", settings.ImageExt));
    }
    if (flags & FilterProjects) {
        pieces.push_back(piece("Project Files", "*.prj"));
    }
    if (flags & FilterAll) {
        // "*.*" would hide files without an extension here.
        pieces.push_back(piece("All Files", "*"));
    }
    std::string filter;
    for (const std::string& p : pieces) {
        if (!filter.empty()) {
            filter += ";;";
        }
        filter += p;
    }
    return filter;
}
