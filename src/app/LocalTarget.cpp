#include "app/LocalTarget.h"

#include "project/PathUtils.h"

#include <cctype>
#include <filesystem>

namespace {

bool isSchemeCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::string percentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

enum class Entry { Missing, File, Folder };

Entry entryAt(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return Entry::Missing;
    }
    return std::filesystem::is_directory(status) ? Entry::Folder : Entry::File;
}

} // namespace

namespace LocalTarget {

bool IsWebAddress(std::string_view value) {
    if (value.starts_with("//") || value.starts_with("\\\\")) {
        return true;
    }
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos || colon == 0 ||
        !std::isalpha(static_cast<unsigned char>(value[0]))) {
        return false;
    }
    for (std::size_t i = 1; i < colon; ++i) {
        if (!isSchemeCharacter(value[i])) {
            return false;
        }
    }
    return true;
}

std::string PathOf(std::string_view value, const std::string& fileFolder,
                   const std::string& siteRoot) {
    value = value.substr(0, value.find('?'));
    std::string path = percentDecoded(value);
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (!path.empty() && path.front() == '/') {
        return AbsolutePath(siteRoot, std::string_view(path).substr(1));
    }
    return AbsolutePath(fileFolder, path);
}

std::string PageOf(const std::string& path) {
    switch (entryAt(path)) {
    case Entry::File:
        return path;
    case Entry::Folder: {
        const std::string folder = path.empty() || path.back() == '/' ? path : path + '/';
        for (const char* index : {"index.html", "index.htm"}) {
            if (entryAt(folder + index) == Entry::File) {
                return folder + index;
            }
        }
        return {};
    }
    case Entry::Missing:
        break;
    }
    return {};
}

bool IsMissing(const std::string& listedTarget, const std::string& base) {
    if (listedTarget.empty() || !IsLocalLink(listedTarget)) {
        return false;
    }
    return PageOf(PathOf(listedTarget, base, base)).empty();
}

} // namespace LocalTarget
