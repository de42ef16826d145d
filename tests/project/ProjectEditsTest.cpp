#include "project/ProjectEdits.h"

#include <gtest/gtest.h>

namespace {

CProject projectAt(const std::string& path) {
    CProject project;
    project.Path = path;
    return project;
}

struct RelPathCase {
    const char* added;
    const char* relPath;
};

class AddedFile : public ::testing::TestWithParam<RelPathCase> {};

} // namespace

// Chosen in a file dialog: a full path, stored relative to the project folder.
TEST_P(AddedFile, IsStoredRelativeToTheProjectFolder) {
    const CProject project = projectAt("/sites/bakery/site.prj");
    EXPECT_EQ(RelPathFor(project, GetParam().added), GetParam().relPath);
}

INSTANTIATE_TEST_SUITE_P(
    ProjectEdits, AddedFile,
    ::testing::Values(RelPathCase{"/sites/bakery/index.html", "index.html"},
                      RelPathCase{"/sites/bakery/products/bread.html", "products/bread.html"},
                      RelPathCase{"/sites/shared/style.css", "../shared/style.css"},
                      RelPathCase{"/sites/bäckerei ä/x.html", "../bäckerei ä/x.html"}));

TEST(ProjectEdits, ATypedNameIsTakenInTheProjectFolderAFullPathAsItIs) {
    const CProject project = projectAt("/sites/bakery/site.prj");
    EXPECT_EQ(RelPathForTyped(project, "about.html"), "about.html");
    EXPECT_EQ(RelPathForTyped(project, "news/today.html"), "news/today.html");
    EXPECT_EQ(RelPathForTyped(project, "../shared/a.css"), "../shared/a.css");
    EXPECT_EQ(RelPathForTyped(project, "/sites/bakery/sub/b.html"), "sub/b.html");
    EXPECT_EQ(RelPathForTyped(project, "/other/c.html"), "../../other/c.html");
}

TEST(ProjectEdits, RemovingANameRemovesEveryEntryOfItAndNothingElse) {
    CProject project = projectAt("/s/site.prj");
    AddProjectFile(project, "a.html");
    AddProjectFile(project, "b.html");
    AddProjectFile(project, "a.html");
    AddProjectFile(project, "A.html");
    EXPECT_EQ(RemoveProjectFiles(project, "a.html"), 2u);
    ASSERT_EQ(project.Files.size(), 2u);
    EXPECT_EQ(project.Files[0].RelPath, "b.html");
    EXPECT_EQ(project.Files[1].RelPath, "A.html");
}

TEST(ProjectEdits, OnlyFilesWithTheExtensionsAreCheckedWithTheirFullPaths) {
    CProject project = projectAt("/s/site/site.prj");
    for (const char* name :
         {"index.html", "style.css", "sub/page.HTM", "../up.shtml", "logo.gif"}) {
        AddProjectFile(project, name);
    }
    EXPECT_EQ(
        FilesWithExtension(project, "*.html;*.htm;*.shtml;*.xml"),
        (std::vector<std::string>{"/s/site/index.html", "/s/site/sub/page.HTM", "/s/up.shtml"}));
    EXPECT_TRUE(FilesWithExtension(project, "*.xml").empty());
}
