#pragma once

#include <string>
#include <vector>

// Where the data files live, as kept in the "Main" settings group.
struct InstallPaths {
    std::string InstallDir;      // with a trailing separator; "" when none was found
    std::string TemplateDir;     // relative to InstallDir, with a trailing separator
    std::string DefaultTemplate; // a file name inside TemplateDir
};

// The result of looking for the program's data files (Data/, templates/,
// Help/) from where the executable lives, never from the current directory:
// <bin>/../share/tagwright/ when installed, <bin>/data/ in a build tree.
struct InstallDirSearch {
    std::string found;                 // with a trailing separator; "" when none holds data
    std::vector<std::string> lookedIn; // the places tried, in order
};

InstallDirSearch SearchInstallDir(const std::string& executablePath);

// The search's result, or "" when neither place exists.
std::string FindInstallDir(const std::string& executablePath);

// "The data folder was not found; looked in: A, B", for the user.
std::string DataFolderNotFoundMessage(const std::vector<std::string>& lookedIn);

// A data file named in the settings: an absolute path stays as it is, a
// relative one is taken from the installation directory ("" when there is
// none: a relative name is never looked up in the current directory).
std::string ResolveDataFile(const std::string& installDir, const std::string& name);

// The colour name file, relative to the installation directory.
inline constexpr const char* ColorNamesFile = "Data/Colors.txt";

// The running program's own executable path ("" when it cannot be told).
std::string CurrentExecutablePath();
