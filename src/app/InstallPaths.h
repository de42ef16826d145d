#pragma once

#include <string>

// Where the data files live, as kept in the "Main" settings group.
struct InstallPaths {
    std::string InstallDir;      // with a trailing separator
    std::string TemplateDir;     // relative to InstallDir, with a trailing separator
    std::string DefaultTemplate; // a file name inside TemplateDir
};

// The directory that holds the program's data files (Data/, templates/,
// Help/), found from where the executable lives, never from the current
// directory: <bin>/../share/tagwright/ when installed, <bin>/data/ in a build
// tree. Returns "" when neither exists, else the directory with a trailing
// separator.
std::string FindInstallDir(const std::string& executablePath);

// The running program's own executable path ("" when it cannot be told).
std::string CurrentExecutablePath();
