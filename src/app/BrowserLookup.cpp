#include "app/BrowserLookup.h"

#include "app/CEditorSettings.h"

#include <filesystem>
#include <unistd.h>

namespace {

constexpr char kPathListSeparator = ':';

bool isExecutableFile(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && ::access(file.c_str(), X_OK) == 0;
}

std::vector<std::string> foldersOf(const std::string& pathList) {
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= pathList.size()) {
        std::size_t end = pathList.find(kPathListSeparator, start);
        if (end == std::string::npos) {
            end = pathList.size();
        }
        if (end > start) {
            folders.push_back(pathList.substr(start, end - start));
        }
        start = end + 1;
    }
    return folders;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "" : (i + 1 == names.size() ? " or " : ", ");
        text += names[i];
    }
    return text;
}

BrowserLookup searchPath(const std::vector<std::string>& names, const std::string& pathList) {
    const std::vector<std::string> folders = foldersOf(pathList);
    for (const std::string& name : names) {
        for (const std::string& folder : folders) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / name;
            if (isExecutableFile(candidate)) {
                return {true, candidate.string(), {}};
            }
        }
    }
    return {false, {}, "No program named " + joined(names) + " was found on the PATH."};
}

BrowserLookup otherProgram(const std::string& program) {
    if (program.empty()) {
        return {false, {}, "No browser program is set for \"Other\"."};
    }
    return {true, program, {}};
}

} // namespace

std::vector<std::string> BrowserProgramNames(int browser) {
    switch (browser) {
    case CEditorSettings::BrowserNetscape:
        return {"firefox", "firefox-esr"};
    case CEditorSettings::BrowserExplorer:
        return {"chromium", "chromium-browser", "google-chrome"};
    default:
        return {};
    }
}

BrowserLookup FindBrowser(int browser, const std::string& otherBrowser,
                          const std::string& pathList) {
    if (browser == CEditorSettings::BrowserOther) {
        return otherProgram(otherBrowser);
    }
    const std::vector<std::string> names = BrowserProgramNames(browser);
    if (names.empty()) {
        return {false, {}, "No browser is chosen in the options."};
    }
    return searchPath(names, pathList);
}
