#pragma once

#include "project/CProject.h"

#include <string>
#include <vector>

// The changes the project dialogs and the project bar make to a project's
// file list, and the paths they hand on. Entries are matched by their
// RelPath text exactly.

// The RelPath that fullPath gets in project: relative to the project folder.
std::string RelPathFor(const CProject& project, const std::string& fullPath);

// The RelPath of a name typed by the user: a local name is taken relative to
// the project folder, a full path as it stands.
std::string RelPathForTyped(const CProject& project, const std::string& typed);

// Appends an entry for relPath and returns it.
CProjectEntry& AddProjectFile(CProject& project, const std::string& relPath);

// Removes every entry whose RelPath is relPath; returns how many went.
std::size_t RemoveProjectFiles(CProject& project, const std::string& relPath);

// The full path of entry, resolved against the project folder.
std::string FullPathOf(const CProject& project, const CProjectEntry& entry);

// The full paths of the files whose names carry one of the semicolon-
// separated extensions (the HTML list), in project order.
std::vector<std::string> FilesWithExtension(const CProject& project, const std::string& extensions);
