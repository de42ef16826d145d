#pragma once

#include <string>

// Where the editor's own settings say its data lives: the tag data file, the
// colour name file and the extensions that count as HTML. The settings file
// the editor writes ($XDG_CONFIG_HOME/Quillmark/Tagwright.conf) is read
// through the editor's own settings code, so both resolve every value alike.
struct InstalledData {
    std::string tagFile;   // "" when no installation directory was found
    std::string colorFile; // likewise
    std::string htmlExtensions;
    // Why tagFile and colorFile are empty, for the user; "" when they are not.
    std::string problem;

    static InstalledData resolve(const std::string& executablePath);

    // The settings file path for the given environment values (either may be
    // empty).
    static std::string settingsPath(const std::string& xdgConfigHome, const std::string& home);
};
