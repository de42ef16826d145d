#include "app/SettingsIO.h"

#include <filesystem>
#include <system_error>

namespace {

const std::string kMain = "Main";
const std::string kOptions = "Options";
const std::string kRecent = "Recent";

std::string numbered(const char* stem, int index) {
    return stem + std::to_string(index);
}

std::string readOrWriteDefault(ISettingsStore& store, const std::string& name,
                               const std::string& fallback) {
    std::string value = store.readString(kMain, name, "");
    if (value.empty()) {
        value = fallback;
        store.writeString(kMain, name, value);
    }
    return value;
}

bool isDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool isUtf8Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::string LimitPathText(const std::string& text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isUtf8Continuation(static_cast<unsigned char>(text[i]))) {
            continue;
        }
        if (characters == CEditorSettings::kMaxPathText) {
            return text.substr(0, i);
        }
        ++characters;
    }
    return text;
}

InstallPaths LoadInstallPaths(ISettingsStore& store, const std::string& foundInstallDir) {
    InstallPaths paths;
    paths.InstallDir = store.readString(kMain, "InstallDir", "");
    if (paths.InstallDir.empty() || !isDirectory(paths.InstallDir)) {
        paths.InstallDir = foundInstallDir;
        store.writeString(kMain, "InstallDir", paths.InstallDir);
    }
    paths.TemplateDir = readOrWriteDefault(store, "TemplateDir", "templates/");
    paths.DefaultTemplate = readOrWriteDefault(store, "DefaultTemplate", "default.htm");
    return paths;
}

void LoadSettings(ISettingsStore& store, CEditorSettings& settings, RecentList& recentFiles,
                  RecentList& recentProjects) {
    const CEditorSettings defaults;
    settings.SaveClose = store.readInt(kOptions, "SaveClose", defaults.SaveClose);
    settings.NoFilelist = store.readInt(kOptions, "NoFilelist", defaults.NoFilelist);
    settings.HTMLExt = store.readString(kOptions, "HTMLExt", defaults.HTMLExt);
    settings.OpenExt = store.readString(kOptions, "OpenExt", defaults.OpenExt);
    settings.ImageExt = store.readString(kOptions, "ImageExt", defaults.ImageExt);
    settings.TagData = LimitPathText(store.readString(kOptions, "TagData", defaults.TagData));
    settings.Browser = store.readInt(kOptions, "Browser", defaults.Browser);
    settings.OtherBrowser =
        LimitPathText(store.readString(kOptions, "Other Browser", defaults.OtherBrowser));
    for (int i = 0; i < CEditorSettings::kEditingCount; ++i) {
        settings.Editing[i] = store.readInt(kOptions, numbered("Editing ", i), defaults.Editing[i]);
    }
    for (int i = 0; i < static_cast<int>(RecentList::kCapacity); ++i) {
        recentFiles.appendLoaded(store.readString(kRecent, numbered("File ", i), ""));
        recentProjects.appendLoaded(store.readString(kRecent, numbered("Project ", i), ""));
    }
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        settings.Color[i] = static_cast<std::uint32_t>(
            store.readInt(kOptions, numbered("Color ", i), static_cast<int>(defaults.Color[i])));
    }
}

void SaveSettings(ISettingsStore& store, const std::string& defaultTemplate,
                  const CEditorSettings& settings, const RecentList& recentFiles,
                  const RecentList& recentProjects) {
    store.writeString(kMain, "DefaultTemplate", defaultTemplate);
    store.writeInt(kOptions, "SaveClose", settings.SaveClose);
    store.writeInt(kOptions, "NoFilelist", settings.NoFilelist);
    store.writeString(kOptions, "TagData", settings.TagData);
    store.writeString(kOptions, "HTMLExt", settings.HTMLExt);
    store.writeString(kOptions, "OpenExt", settings.OpenExt);
    store.writeString(kOptions, "ImageExt", settings.ImageExt);
    store.writeInt(kOptions, "Browser", settings.Browser);
    store.writeString(kOptions, "Other Browser", settings.OtherBrowser);
    for (int i = 0; i < CEditorSettings::kEditingCount; ++i) {
        store.writeInt(kOptions, numbered("Editing ", i), settings.Editing[i]);
    }
    for (std::size_t i = 0; i < recentFiles.size(); ++i) {
        store.writeString(kRecent, numbered("File ", static_cast<int>(i)),
                          recentFiles.entries()[i]);
    }
    for (std::size_t i = 0; i < recentProjects.size(); ++i) {
        store.writeString(kRecent, numbered("Project ", static_cast<int>(i)),
                          recentProjects.entries()[i]);
    }
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        store.writeInt(kOptions, numbered("Color ", i), static_cast<int>(settings.Color[i]));
    }
}
