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

struct PathCase {
    const char* what;
    const char* path;
    const char* base;
    const char* expected;
};

TEST(RelativePath, ClimbsFromTheBaseToTheTargetComponentByComponent) {
    const PathCase cases[] = {
        {"FileInBaseIsItsBareName", "/home/ann/site/index.html", "/home/ann/site/", "index.html"},
        {"FileInSubdirectoryKeepsTheSubdirectory", "/home/ann/site/products/bread.html",
         "/home/ann/site/", "products/bread.html"},
        {"ClimbsOneStepPerDirectoryOfTheBaseBelowTheCommonPart", "/home/ann/site/index.html",
         "/home/ann/site/products/", "../index.html"},
        {"ClimbsOneStepPerDirectoryOfTheBaseBelowTheCommonPart", "/home/ann/site/img/logo.gif",
         "/home/ann/site/products/", "../img/logo.gif"},
        {"ClimbsOneStepPerDirectoryOfTheBaseBelowTheCommonPart", "/home/ann/top.html",
         "/home/ann/site/products/", "../../top.html"},
        {"ComponentsMatchWholeNotByPrefix", "/home/ann/siteold/a.html", "/home/ann/site/",
         "../siteold/a.html"},
        {"ComparesCaseSensitivelyOnThisPlatform", "/Home/ann/a.html", "/home/ann/",
         "../../Home/ann/a.html"},
        {"ForeignSlashesInTheTargetCountAsSeparators", "/home/ann/site\\products\\bread.html",
         "/home/ann/site/", "products\\bread.html"},
    };
    for (const PathCase& item : cases) {
        EXPECT_EQ(RelativePath(item.path, item.base), item.expected) << item.what;
    }
}

TEST(AbsolutePath, FoldsLeadingParentStepsIntoTheBase) {
    const PathCase cases[] = {
        {"FoldsLeadingParentSteps", "index.html", "/home/ann/site/", "/home/ann/site/index.html"},
        {"FoldsLeadingParentSteps", "../index.html", "/home/ann/site/", "/home/ann/index.html"},
        {"FoldsLeadingParentSteps", "../../img/logo.gif", "/home/ann/site/", "/home/img/logo.gif"},
        {"FoldsLeadingParentSteps", "products/bread.html", "/home/ann/site/",
         "/home/ann/site/products/bread.html"},
        {"FoldsParentStepsWrittenWithEitherSlash", "..\\index.html", "/home/ann/site/",
         "/home/ann/index.html"},
        {"CannotClimbAboveTheRoot", "../../../a.html", "/site/", "/a.html"},
        {"LeavesParentStepsAfterAnOrdinaryComponent", "products/../index.html", "/home/ann/site/",
         "/home/ann/site/products/../index.html"},
    };
    for (const PathCase& item : cases) {
        EXPECT_EQ(AbsolutePath(item.base, item.path), item.expected) << item.what;
    }
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

TEST(HasExtension, ComparesTheFileNamesExtensionWithTheListIgnoringCase) {
    struct Case {
        const char* what;
        const char* list;
        const char* file;
        bool matches;
    };
    const char* const html = "*.html;*.htm;*.shtml;*.xml";
    const Case cases[] = {
        {"MatchesTheListIgnoringCase", html, "index.html", true},
        {"MatchesTheListIgnoringCase", html, "INDEX.HTM", true},
        {"MatchesTheListIgnoringCase", html, "/site/products/page.xml", true},
        {"MatchesTheListIgnoringCase", html, "notes.txt", false},
        {"MatchesTheListIgnoringCase", html, "Makefile", false},
        {"ComparesOnlyTheExtensionsOwnLength", "*.html", "a.ht", true},
        {"ComparesOnlyTheExtensionsOwnLength", "*.html", "trailing.", true},
        {"ComparesOnlyTheExtensionsOwnLength", "", "trailing.", false},
        {"LooksOnlyAtTheFileName", "*.html", "/site.html/readme", false},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(HasExtension(item.list, item.file), item.matches)
            << item.what << ": " << item.file;
    }
}
