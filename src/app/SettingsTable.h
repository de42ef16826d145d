#pragma once

#include "app/SettingRow.h"

#include <vector>

// The names the settings are stored under.
namespace SettingKeys {
inline constexpr const char* Main = "Main";
inline constexpr const char* Options = "Options";
inline constexpr const char* Recent = "Recent";

inline constexpr const char* InstallDir = "InstallDir";
inline constexpr const char* TemplateDir = "TemplateDir";
inline constexpr const char* DefaultTemplate = "DefaultTemplate";
inline constexpr const char* TagData = "TagData";
inline constexpr const char* HTMLExt = "HTMLExt";
} // namespace SettingKeys

// What "Main" holds when a value is missing (InstallDir is found instead).
namespace SettingDefaults {
inline constexpr const char* TemplateDir = "templates/";
inline constexpr const char* DefaultTemplate = "default.htm";
} // namespace SettingDefaults

// Every option of CEditorSettings and both recent lists, one row per stored
// value, in the order they are saved. Loading, saving and the defaults of
// CEditorSettings all follow this table: adding an option is one row.
const std::vector<SettingRow>& SettingsTable();

// Sets every field of settings to its default from the table.
void ApplySettingDefaults(CEditorSettings& settings);
