#pragma once

#include "app/CEditorSettings.h"
#include "app/ISettingsStore.h"
#include "app/InstallPaths.h"
#include "app/RecentList.h"

#include <string>

// Reads "InstallDir", "TemplateDir" and "DefaultTemplate"; each one that is
// missing gets its default (InstallDir: foundInstallDir) and is written back
// at once. A stored InstallDir that no longer exists as a directory is
// replaced the same way, so a moved installation heals itself. When no
// directory was found either, InstallDir is "" and nothing is written for it.
InstallPaths LoadInstallPaths(ISettingsStore& store, const std::string& foundInstallDir);

// Fills settings and both recent lists from the store, in the stored order.
void LoadSettings(ISettingsStore& store, CEditorSettings& settings, RecentList& recentFiles,
                  RecentList& recentProjects);

// Writes DefaultTemplate, every option and both recent lists. Slots past the
// end of a list are left as they are.
void SaveSettings(ISettingsStore& store, const std::string& defaultTemplate,
                  const CEditorSettings& settings, const RecentList& recentFiles,
                  const RecentList& recentProjects);

// Cuts text to the longest stored path text (255 characters of UTF-8).
std::string LimitPathText(const std::string& text);
