#pragma once

#include "project/CProject.h"

#include <memory>
#include <string>

// Application-wide state that lives from start-up to exit.
struct CAppState {
    std::string InstallDir;      // with a trailing separator
    std::string TemplateDir;     // relative to InstallDir, with a trailing separator
    std::string DefaultTemplate; // a file name inside TemplateDir
    std::string FindText;        // remembered by the find dialog
    std::string ReplaceText;
    int UseMarks = 0; // 1: selection-based commands act on the marks
    std::unique_ptr<CProject> CurrentProject;
};
