#include "app/CommandLine.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

CommandLineAction openOrNothing(std::string_view path) {
    if (path.empty()) {
        return {};
    }
    return {CommandLineAction::OpenFile, std::string(path)};
}

} // namespace

CommandLineAction ProcessCommandLine(std::string_view text) {
    std::string unquoted(text);
    std::replace(unquoted.begin(), unquoted.end(), '"', ' ');
    const std::string_view whole = trimmed(unquoted);

    const std::size_t firstWordEnd = std::min(whole.find_first_of(kBlanks), whole.size());
    if (whole.substr(0, firstWordEnd) != "app") {
        return openOrNothing(whole);
    }
    const std::string_view rest = trimmed(whole.substr(firstWordEnd));
    if (rest.empty()) {
        return {CommandLineAction::NewFromDefaultTemplate, {}};
    }
    return openOrNothing(rest);
}

std::string JoinArguments(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty()) {
            text += ' ';
        }
        text += argument;
    }
    return text;
}

std::string AbsoluteCommandLinePath(const std::string& path, const std::string& currentDir) {
    std::filesystem::path full(path);
    if (full.is_relative()) {
        full = std::filesystem::path(currentDir) / full;
    }
    return full.lexically_normal().string();
}
