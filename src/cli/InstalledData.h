#pragma once

#include <string>

// Where the editor's own settings say its data lives: the tag data file
// ("TagData" against "InstallDir"), the colour name file and the extensions
// that count as HTML. Read without Qt from the settings file the editor
// writes ($XDG_CONFIG_HOME/Quillmark/Tagwright.conf).
struct InstalledData {
    std::string tagFile;   // "" when no installation directory was found
    std::string colorFile; // likewise
    std::string htmlExtensions;

    static InstalledData resolve(const std::string& executablePath);

    // The settings file path for the given environment values (either may be
    // empty).
    static std::string settingsPath(const std::string& xdgConfigHome, const std::string& home);
};
