#include "editor/XmlDocumentType.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::array<std::string_view, 3> kXmlExtensions = {"xml", "xhtml", "svg"};

// The text after the last dot of the file name; a dot in a folder's name
// does not count.
std::string_view extensionOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

bool IsXmlDocumentType(std::string_view path) {
    const std::string_view extension = extensionOf(path);
    return std::any_of(
        kXmlExtensions.begin(), kXmlExtensions.end(),
        [extension](std::string_view xml) { return equalIgnoringCase(extension, xml); });
}
