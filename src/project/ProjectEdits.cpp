#include "project/ProjectEdits.h"

#include "project/PathSeparators.h"
#include "project/PathUtils.h"

#include <algorithm>

std::string RelPathFor(const CProject& project, const std::string& fullPath) {
    return RelativePath(fullPath, project.Directory());
}

std::string RelPathForTyped(const CProject& project, const std::string& typed) {
    // A full path here has no drive colon, so it would pass as a local name.
    const bool fullPath = !typed.empty() && typed.front() == kNativeSeparator;
    if (fullPath || !IsLocalLink(typed)) {
        return RelPathFor(project, typed);
    }
    return RelPathFor(project, AbsolutePath(project.Directory(), typed));
}

CProjectEntry& AddProjectFile(CProject& project, const std::string& relPath) {
    CProjectEntry& entry = project.Files.emplace_back();
    entry.RelPath = relPath;
    return entry;
}

std::size_t RemoveProjectFiles(CProject& project, const std::string& relPath) {
    return std::erase_if(
        project.Files, [&relPath](const CProjectEntry& entry) { return entry.RelPath == relPath; });
}

std::string FullPathOf(const CProject& project, const CProjectEntry& entry) {
    return AbsolutePath(project.Directory(), entry.RelPath);
}

std::vector<std::string> FilesWithExtension(const CProject& project,
                                            const std::string& extensions) {
    std::vector<std::string> paths;
    for (const CProjectEntry& entry : project.Files) {
        if (HasExtension(extensions, entry.RelPath)) {
            paths.push_back(FullPathOf(project, entry));
        }
    }
    return paths;
}
