#include "cli/InstalledData.h"

#include "app/InstallPaths.h"
#include "cli/IniFile.h"
#include "project/PathUtils.h"

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

std::string resolveAgainst(const std::string& base, const std::string& file) {
    if (!file.empty() && file.front() == '/')
        return file;
    return AbsolutePath(base, file);
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
    IniFile settings;
    std::string path = settingsPath(environment("XDG_CONFIG_HOME"), environment("HOME"));
    if (!path.empty())
        settings.load(path);
    std::string installDir = settings.value("Main", "InstallDir").value_or("");
    if (installDir.empty())
        installDir = FindInstallDir(executablePath);
    InstalledData data;
    data.htmlExtensions =
        settings.value("Options", "HTMLExt").value_or("*.html;*.htm;*.shtml;*.xml");
    if (installDir.empty())
        return data;
    installDir = withTrailingSlash(installDir);
    std::string tagData = settings.value("Options", "TagData").value_or("Data/Tags.txt");
    if (tagData.empty())
        tagData = "Data/Tags.txt";
    data.tagFile = resolveAgainst(installDir, tagData);
    data.colorFile = AbsolutePath(installDir, "Data/Colors.txt");
    return data;
}
