#pragma once

#include "project/CProject.h"

#include <string>

// Reading and writing the line-oriented .prj format. RelPath lines are stored
// with backslashes on disk and held with the native separator in memory.

// Fills project (which should be fresh) from the file at path. Returns false
// when the file cannot be opened; the caller shows "I/O Error".
bool LoadProject(CProject& project, const std::string& path);

// The file's text for project, with LF line ends (the caller or SaveProject
// chooses the line ends on disk).
std::string FormatProject(const CProject& project);

// Writes project to project.Path atomically. Returns false when it cannot be
// written; a file holding a password is created readable by its owner only.
bool SaveProject(const CProject& project);
