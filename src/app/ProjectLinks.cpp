#include "app/ProjectLinks.h"

#include "project/CProject.h"
#include "project/PathUtils.h"

std::vector<std::string> ProjectLinks(const CProject& project, const std::string& documentPath) {
    const std::string projectDirectory = project.Directory();
    const std::string documentDirectory = DirectoryOf(documentPath);
    std::vector<std::string> links;
    links.reserve(project.Files.size());
    for (const CProjectEntry& file : project.Files) {
        std::string link =
            RelativePath(AbsolutePath(projectDirectory, file.RelPath), documentDirectory);
        ToForwardSlashes(link);
        links.push_back(std::move(link));
    }
    return links;
}
