#pragma once

#include <string>
#include <vector>

struct CProject;

// The project's files in project order as a document at documentPath links
// to them: relative to the document's directory, with forward slashes.
std::vector<std::string> ProjectLinks(const CProject& project, const std::string& documentPath);
