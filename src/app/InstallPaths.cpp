#include "app/InstallPaths.h"

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

} // namespace

std::string FindInstallDir(const std::string& executablePath) {
    if (executablePath.empty()) {
        return {};
    }
    std::error_code error;
    const fs::path binDir = fs::weakly_canonical(fs::path(executablePath), error).parent_path();
    const fs::path candidates[] = {binDir.parent_path() / "share" / "tagwright", binDir / "data"};
    for (const fs::path& candidate : candidates) {
        if (holdsData(candidate)) {
            return withTrailingSeparator(fs::weakly_canonical(candidate, error));
        }
    }
    return {};
}

std::string CurrentExecutablePath() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}
