#include "project/CProject.h"

#include "project/PathUtils.h"
#include "project/ProjectFile.h"

std::string CProject::Directory() const {
    return ProjectDirectory(Path);
}

void MarkFileOpen(CProject& project, const std::string& path, void* window) {
    const std::string directory = project.Directory();
    for (CProjectEntry& file : project.Files) {
        if (file.RelPath == path || AbsolutePath(directory, file.RelPath) == path) {
            file.Open = true;
            file.Window = window;
        }
    }
}
