#pragma once

#include "io/AtomicWrite.h"
#include "io/ReadResult.h"
#include "project/CProject.h"

#include <string>

// Reading and writing the line-oriented .prj format. RelPath lines are stored
// with backslashes on disk and held with the native separator in memory.

// Fills project (which should be fresh) from the file at path. Anything but
// Ok leaves project as it was; the caller shows "I/O Error", with reason (the
// system's words) as its detail. Every text reads as some project. Path
// becomes the full path of the file read, whatever its "PATH:" line says: a
// project copied to another folder or machine resolves its files and saves
// itself where it now is.
ReadResult LoadProject(CProject& project, const std::string& path, std::string* reason = nullptr);

// The folder that holds projectFile, with its trailing separator: the path is
// made absolute against the current folder and its "." and ".." steps are
// folded as text (symbolic links are kept as written), so that entries with
// ".." steps resolve where they would from the project file itself.
std::string ProjectDirectory(const std::string& projectFile);

// The file's text for project, with LF line ends (the caller or SaveProject
// chooses the line ends on disk).
std::string FormatProject(const CProject& project);

// Writes project to project.Path atomically. Returns false when it cannot be
// written (outcome, when given, says why; an empty Path is WriteFailed); a
// file holding a password is created readable by its owner only.
bool SaveProject(const CProject& project, AtomicWriteResult* outcome = nullptr);

// path made absolute against the current folder, its "." and ".." steps
// folded as text.
std::string FullProjectPath(const std::string& path);
