#pragma once

#include "project/CProject.h"

#include <string>
#include <vector>

struct UploadItem {
    std::string relPath;
    std::string fullPath;
};

// Everything an upload reads, copied from the project when it starts, so
// that the project may change or close while the upload runs.
struct UploadJob {
    std::string ftpServer;
    std::string login;
    std::string password;
    std::string serverPath;
    bool autoUpdate = false;
    std::string statePath; // where uploads are recorded; see UploadState
    std::vector<UploadItem> files;
};

// The files whose Upload flag is set, in project order.
UploadJob MakeUploadJob(const CProject& project);
