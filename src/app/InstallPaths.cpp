#include "app/InstallPaths.h"

#include "project/PathUtils.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool holdsData(const fs::path& directory) {
    std::error_code error;
    return fs::is_directory(directory / "Data", error) ||
           fs::is_directory(directory / "templates", error);
}

std::string withTrailingSeparator(const fs::path& directory) {
    std::string text = directory.string();
    if (text.empty() || text.back() != fs::path::preferred_separator) {
        text += fs::path::preferred_separator;
    }
    return text;
}

// A bare program name (as argv[0] holds it when found on PATH) says nothing
// about where the program lives; resolving it would mean the current
// directory.
bool namesAPlace(const fs::path& executable) {
    return executable.is_absolute() || executable.has_parent_path();
}

} // namespace

InstallDirSearch SearchInstallDir(const std::string& executablePath) {
    InstallDirSearch search;
    const fs::path executable(executablePath);
    if (executablePath.empty() || !namesAPlace(executable)) {
        return search;
    }
    std::error_code error;
    const fs::path binDir = fs::weakly_canonical(executable, error).parent_path();
    const fs::path candidates[] = {binDir.parent_path() / "share" / "tagwright", binDir / "data"};
    for (const fs::path& candidate : candidates) {
        search.lookedIn.push_back(withTrailingSeparator(candidate));
        if (holdsData(candidate)) {
            search.found = withTrailingSeparator(fs::weakly_canonical(candidate, error));
            break;
        }
    }
    return search;
}

std::string FindInstallDir(const std::string& executablePath) {
    return SearchInstallDir(executablePath).found;
}

std::string DataFolderNotFoundMessage(const std::vector<std::string>& lookedIn) {
    std::string places;
    for (const std::string& place : lookedIn) {
        places += (places.empty() ? "" : ", ") + place;
    }
    if (places.empty()) {
        places = "nowhere (the program's own location could not be told)";
    }
    return "The data folder was not found; looked in: " + places;
}

std::string ResolveDataFile(const std::string& installDir, const std::string& name) {
    if (fs::path(name).is_absolute()) {
        return name;
    }
    if (installDir.empty()) {
        return {};
    }
    return AbsolutePath(withTrailingSeparator(installDir), name);
}

std::string CurrentExecutablePath() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}
