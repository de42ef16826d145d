#include "project/PathUtils.h"

#include "project/CPathTokenizer.h"

#include <gtest/gtest.h>
#include <vector>

TEST(DirectoryOf, KeepsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(DirectoryOf("/home/ann/site/index.html"), "/home/ann/site/");
    EXPECT_EQ(DirectoryOf("/home/ann/site/"), "/home/ann/site/");
    EXPECT_EQ(DirectoryOf("index.html"), "");
    // Only the native separator counts.
    EXPECT_EQ(DirectoryOf("/site/a\\b.html"), "/site/");
}

TEST(RelativePath, FileInBaseIsItsBareName) {
    EXPECT_EQ(RelativePath("/home/ann/site/index.html", "/home/ann/site/"), "index.html");
}

TEST(RelativePath, FileInSubdirectoryKeepsTheSubdirectory) {
    EXPECT_EQ(RelativePath("/home/ann/site/products/bread.html", "/home/ann/site/"),
              "products/bread.html");
}

TEST(RelativePath, ClimbsOneStepPerDirectoryOfTheBaseBelowTheCommonPart) {
    EXPECT_EQ(RelativePath("/home/ann/site/index.html", "/home/ann/site/products/"),
              "../index.html");
    EXPECT_EQ(RelativePath("/home/ann/site/img/logo.gif", "/home/ann/site/products/"),
              "../img/logo.gif");
    EXPECT_EQ(RelativePath("/home/ann/top.html", "/home/ann/site/products/"), "../../top.html");
}

TEST(RelativePath, ComponentsMatchWholeNotByPrefix) {
    EXPECT_EQ(RelativePath("/home/ann/siteold/a.html", "/home/ann/site/"), "../siteold/a.html");
}

TEST(RelativePath, ComparesCaseSensitivelyOnThisPlatform) {
    EXPECT_EQ(RelativePath("/Home/ann/a.html", "/home/ann/"), "../../Home/ann/a.html");
}

TEST(RelativePath, ForeignSlashesInTheTargetCountAsSeparators) {
    EXPECT_EQ(RelativePath("/home/ann/site\\products\\bread.html", "/home/ann/site/"),
              "products\\bread.html");
}

TEST(AbsolutePath, FoldsLeadingParentSteps) {
    EXPECT_EQ(AbsolutePath("/home/ann/site/", "index.html"), "/home/ann/site/index.html");
    EXPECT_EQ(AbsolutePath("/home/ann/site/", "../index.html"), "/home/ann/index.html");
    EXPECT_EQ(AbsolutePath("/home/ann/site/", "../../img/logo.gif"), "/home/img/logo.gif");
    EXPECT_EQ(AbsolutePath("/home/ann/site/", "products/bread.html"),
              "/home/ann/site/products/bread.html");
}

TEST(AbsolutePath, FoldsParentStepsWrittenWithEitherSlash) {
    EXPECT_EQ(AbsolutePath("/home/ann/site/", "..\\index.html"), "/home/ann/index.html");
}

TEST(AbsolutePath, CannotClimbAboveTheRoot) {
    EXPECT_EQ(AbsolutePath("/site/", "../../../a.html"), "/a.html");
}

TEST(AbsolutePath, LeavesParentStepsAfterAnOrdinaryComponent) {
    EXPECT_EQ(AbsolutePath("/home/ann/site/", "products/../index.html"),
              "/home/ann/site/products/../index.html");
}

TEST(PathTokenizer, YieldsComponentsAndTheRestLast) {
    CPathTokenizer tokenizer("../../dir/file.html");
    std::string component;
    std::vector<std::string> parts;
    while (tokenizer.Next(component)) {
        parts.push_back(component);
    }
    EXPECT_EQ(parts, (std::vector<std::string>{"../", "../", "dir/"}));
    EXPECT_EQ(component, "file.html");
}

TEST(PathTokenizer, ComponentEndedByTheForeignSlashStopsBeforeIt) {
    CPathTokenizer tokenizer("..\\x");
    std::string component;
    ASSERT_TRUE(tokenizer.Next(component));
    EXPECT_EQ(component, "..");
    EXPECT_FALSE(tokenizer.Next(component));
    EXPECT_EQ(component, "\\x");
}

TEST(PathTokenizer, EmptyTextHasOnlyAnEmptyLastComponent) {
    CPathTokenizer tokenizer("");
    std::string component = "junk";
    EXPECT_FALSE(tokenizer.Next(component));
    EXPECT_EQ(component, "");
}

TEST(Slashes, ConvertOneForOne) {
    std::string path = "a\\b/c\\d";
    ToForwardSlashes(path);
    EXPECT_EQ(path, "a/b/c/d");
    ToBackslashes(path);
    EXPECT_EQ(path, "a\\b\\c\\d");
}

TEST(SplitAnchor, SplitsAtTheLastHash) {
    std::string link = "page.html#top";
    std::string anchor;
    EXPECT_TRUE(SplitAnchor(link, anchor));
    EXPECT_EQ(link, "page.html");
    EXPECT_EQ(anchor, "#top");

    link = "#only";
    EXPECT_TRUE(SplitAnchor(link, anchor));
    EXPECT_EQ(link, "");
    EXPECT_EQ(anchor, "#only");

    link = "a#b#c";
    EXPECT_TRUE(SplitAnchor(link, anchor));
    EXPECT_EQ(link, "a#b");
    EXPECT_EQ(anchor, "#c");
}

TEST(SplitAnchor, WithoutHashChangesNothing) {
    std::string link = "page.html";
    std::string anchor = "unchanged";
    EXPECT_FALSE(SplitAnchor(link, anchor));
    EXPECT_EQ(link, "page.html");
    EXPECT_EQ(anchor, "unchanged");
}

TEST(IsLocalLink, RecognisesFilesAndRejectsHostsAndSchemes) {
    EXPECT_TRUE(IsLocalLink(""));
    EXPECT_TRUE(IsLocalLink("index.html"));
    EXPECT_TRUE(IsLocalLink("../../products/bread.html"));
    EXPECT_TRUE(IsLocalLink("./bread.html"));
    EXPECT_TRUE(IsLocalLink("products/"));
    EXPECT_FALSE(IsLocalLink("http://example.org/"));
    EXPECT_FALSE(IsLocalLink("mailto:ann"));
    EXPECT_FALSE(IsLocalLink("www.example.org"));
    EXPECT_FALSE(IsLocalLink("a.b.html"));
}

TEST(HasExtension, MatchesTheListIgnoringCase) {
    const std::string html = "*.html;*.htm;*.shtml;*.xml";
    EXPECT_TRUE(HasExtension(html, "index.html"));
    EXPECT_TRUE(HasExtension(html, "INDEX.HTM"));
    EXPECT_TRUE(HasExtension(html, "/site/products/page.xml"));
    EXPECT_FALSE(HasExtension(html, "notes.txt"));
    EXPECT_FALSE(HasExtension(html, "Makefile"));
}

TEST(HasExtension, ComparesOnlyTheExtensionsOwnLength) {
    EXPECT_TRUE(HasExtension("*.html", "a.ht"));
    EXPECT_TRUE(HasExtension("*.html", "trailing."));
    EXPECT_FALSE(HasExtension("", "trailing."));
}

TEST(HasExtension, LooksOnlyAtTheFileName) {
    EXPECT_FALSE(HasExtension("*.html", "/site.html/readme"));
}
