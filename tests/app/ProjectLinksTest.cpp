#include "app/ProjectLinks.h"

#include "project/CProject.h"

#include <gtest/gtest.h>

namespace {

CProject projectAt(const std::string& path, std::vector<std::string> files) {
    CProject project;
    project.Path = path;
    for (std::string& file : files) {
        CProjectEntry entry;
        entry.RelPath = std::move(file);
        project.Files.push_back(entry);
    }
    return project;
}

} // namespace

TEST(ProjectLinks, FilesRelativeToTheDocumentInProjectOrder) {
    const CProject project = projectAt(
        "/site/site.prj", {"index.html", "pages/about.html", "img/logo.png", "pages/deep/x.html"});
    EXPECT_EQ(ProjectLinks(project, "/site/pages/about.html"),
              (std::vector<std::string>{"../index.html", "about.html", "../img/logo.png",
                                        "deep/x.html"}));
    EXPECT_EQ(ProjectLinks(project, "/site/index.html"),
              (std::vector<std::string>{"index.html", "pages/about.html", "img/logo.png",
                                        "pages/deep/x.html"}));
}

TEST(ProjectLinks, AnEmptyProjectGivesNoLinks) {
    EXPECT_TRUE(ProjectLinks(projectAt("/site/site.prj", {}), "/site/index.html").empty());
}

TEST(ProjectLinks, FiveThousandFiles) {
    std::vector<std::string> files;
    for (int i = 0; i < 5000; ++i) {
        files.push_back("pages/p" + std::to_string(i) + ".html");
    }
    const std::vector<std::string> links =
        ProjectLinks(projectAt("/site/site.prj", files), "/site/pages/index.html");
    ASSERT_EQ(links.size(), 5000u);
    EXPECT_EQ(links[4999], "p4999.html");
}
