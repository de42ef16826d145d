#pragma once

#include "project/CProjectEntry.h"

#include <string>
#include <vector>

// The open project: its name, where its own .prj file lives, the FTP
// settings it publishes with and its files in file order.
struct CProject {
    std::string Name;
    std::string Path;
    std::string FtpServer;
    std::string ServerPath;
    std::string Login;
    std::string Password;
    bool SavePassword = false;
    bool AutoUpdate = false;
    std::vector<CProjectEntry> Files;

    // The directory of Path, with its trailing separator.
    std::string Directory() const;
};

// Marks the files of project that path names as open in window: an entry
// matches when its RelPath is the path text itself or resolves to it.
void MarkFileOpen(CProject& project, const std::string& path, void* window);
