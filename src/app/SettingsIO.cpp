#include "app/SettingsIO.h"

#include "app/SettingsTable.h"

#include <filesystem>
#include <system_error>

namespace {

std::string readOrWriteDefault(ISettingsStore& store, const std::string& name,
                               const std::string& fallback) {
    std::string value = store.readString(SettingKeys::Main, name, "");
    if (value.empty()) {
        value = fallback;
        store.writeString(SettingKeys::Main, name, value);
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

SettingValue readValue(ISettingsStore& store, const SettingRow& row) {
    if (const int* number = std::get_if<int>(&row.fallback)) {
        return store.readInt(row.group, row.key, *number);
    }
    return store.readString(row.group, row.key, std::get<std::string>(row.fallback));
}

void writeValue(ISettingsStore& store, const SettingRow& row, const SettingValue& value) {
    if (const int* number = std::get_if<int>(&value)) {
        store.writeInt(row.group, row.key, *number);
    } else {
        store.writeString(row.group, row.key, std::get<std::string>(value));
    }
}

// The table names a recent list; the caller holds both.
template <typename List> List& listOf(RecentListId id, List& files, List& projects) {
    return id == RecentListId::Files ? files : projects;
}

void loadRow(ISettingsStore& store, const SettingRow& row, CEditorSettings& settings,
             RecentList& files, RecentList& projects) {
    const SettingValue value = readValue(store, row);
    if (const auto* field = std::get_if<SettingField>(&row.target)) {
        field->set(settings, value);
    } else {
        listOf(std::get<RecentSlot>(row.target).list, files, projects)
            .appendLoaded(std::get<std::string>(value));
    }
}

void saveRow(ISettingsStore& store, const SettingRow& row, const CEditorSettings& settings,
             const RecentList& files, const RecentList& projects) {
    if (const auto* field = std::get_if<SettingField>(&row.target)) {
        writeValue(store, row, field->get(settings));
        return;
    }
    const RecentSlot& slot = std::get<RecentSlot>(row.target);
    const RecentList& list = listOf(slot.list, files, projects);
    if (slot.index < list.size()) {
        writeValue(store, row, list.entries()[slot.index]);
    }
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
    paths.InstallDir = store.readString(SettingKeys::Main, SettingKeys::InstallDir, "");
    if (paths.InstallDir.empty() || !isDirectory(paths.InstallDir)) {
        paths.InstallDir = foundInstallDir;
        if (!foundInstallDir.empty()) {
            store.writeString(SettingKeys::Main, SettingKeys::InstallDir, paths.InstallDir);
        }
    }
    paths.TemplateDir =
        readOrWriteDefault(store, SettingKeys::TemplateDir, SettingDefaults::TemplateDir);
    paths.DefaultTemplate =
        readOrWriteDefault(store, SettingKeys::DefaultTemplate, SettingDefaults::DefaultTemplate);
    return paths;
}

void LoadSettings(ISettingsStore& store, CEditorSettings& settings, RecentList& recentFiles,
                  RecentList& recentProjects) {
    for (const SettingRow& row : SettingsTable()) {
        loadRow(store, row, settings, recentFiles, recentProjects);
    }
}

void SaveSettings(ISettingsStore& store, const std::string& defaultTemplate,
                  const CEditorSettings& settings, const RecentList& recentFiles,
                  const RecentList& recentProjects) {
    store.writeString(SettingKeys::Main, SettingKeys::DefaultTemplate, defaultTemplate);
    for (const SettingRow& row : SettingsTable()) {
        saveRow(store, row, settings, recentFiles, recentProjects);
    }
}
