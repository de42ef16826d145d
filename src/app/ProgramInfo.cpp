#include "app/ProgramInfo.h"

namespace {

constexpr std::string_view kUsage =
    "usage: tagwright [FILE | PROJECT.prj [FILE] | app [FILE]]\n"
    "       tagwright --version | --help\n"
    "\n"
    "Opens FILE in the editor, or the project PROJECT.prj and then FILE.\n"
    "\"app\" alone starts a new document from the default template.\n"
    "See tagwright(1).\n";

} // namespace

std::optional<std::string> ProgramInfoText(const std::vector<std::string>& arguments,
                                           std::string_view version) {
    if (arguments.size() != 1) {
        return std::nullopt;
    }
    if (arguments.front() == "--version") {
        return "tagwright " + std::string(version) + "\n";
    }
    if (arguments.front() == "--help") {
        return std::string(kUsage);
    }
    return std::nullopt;
}
