#include "cli/InstalledData.h"

#include "app/CEditorSettings.h"
#include "app/InstallPaths.h"
#include "app/RecentList.h"
#include "app/SettingsIO.h"
#include "cli/IniFile.h"
#include "cli/IniSettingsStore.h"

#include <cstdlib>

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string withTrailingSlash(std::string directory) {
    if (!directory.empty() && directory.back() != '/')
        directory += '/';
    return directory;
}

IniSettingsStore editorSettings() {
    IniFile file;
    const std::string path =
        InstalledData::settingsPath(environment("XDG_CONFIG_HOME"), environment("HOME"));
    if (!path.empty())
        file.load(path);
    return IniSettingsStore(std::move(file));
}

} // namespace

std::string InstalledData::settingsPath(const std::string& xdgConfigHome, const std::string& home) {
    std::string base = xdgConfigHome;
    if (base.empty() || base.front() != '/')
        base = home.empty() ? std::string() : withTrailingSlash(home) + ".config";
    if (base.empty())
        return {};
    return withTrailingSlash(base) + "Quillmark/Tagwright.conf";
}

InstalledData InstalledData::resolve(const std::string& executablePath) {
    IniSettingsStore store = editorSettings();
    const InstallDirSearch search = SearchInstallDir(executablePath);
    const InstallPaths paths = LoadInstallPaths(store, search.found);
    CEditorSettings settings;
    RecentList recentFiles;
    RecentList recentProjects;
    LoadSettings(store, settings, recentFiles, recentProjects);

    InstalledData data;
    data.htmlExtensions = settings.HTMLExt;
    if (paths.InstallDir.empty()) {
        data.problem = DataFolderNotFoundMessage(search.lookedIn);
        return data;
    }
    data.tagFile = ResolveDataFile(paths.InstallDir, settings.TagData);
    data.colorFile = ResolveDataFile(paths.InstallDir, ColorNamesFile);
    return data;
}
