#include "GoldenFile.h"
#include "cli/CheckRunner.h"

#include <filesystem>
#include <gtest/gtest.h>

#ifdef TAGWRIGHT_CHECK_BINARY

namespace {

namespace fs = std::filesystem;

const fs::path kSource = TAGWRIGHT_SOURCE_DIR;

class TagwrightCheckLinksTest : public ::testing::Test {
protected:
    int run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(),
                         {"--tags", (kSource / "data/Data/Tags.txt").string(), "--colors",
                          (kSource / "data/Data/Colors.txt").string()});
        const int status = runner.run(arguments);
        out = runner.out;
        err = runner.err;
        return status;
    }

    // The example site copied into the temporary folder, so that where the
    // sources live shows nowhere in the output.
    std::string copyOfExampleSite() {
        fs::copy(kSource / "examples/site", dir.path() / "site", fs::copy_options::recursive);
        return (dir.path() / "site/site.prj").string();
    }

    TempDir dir;
    CheckRunner runner{dir};
    std::string out;
    std::string err;
};

TEST_F(TagwrightCheckLinksTest, GoldenLinksOfTheExampleSite) {
    EXPECT_EQ(run({"--links", "--project", copyOfExampleSite()}), 0);
    EXPECT_EQ(err, "");
    EXPECT_TRUE(GoldenFile::matches(fs::path(TAGWRIGHT_TEST_DATA_DIR) / "links/site.links", out));
}

TEST_F(TagwrightCheckLinksTest, OneFileIsListedUnderItsBareNameAgainstItsFolder) {
    dir.write("pages/a.html", "<a href=\"../Index.html#top\"><img src='x.gif'>");
    EXPECT_EQ(run({"--links", (dir.path() / "pages/a.html").string()}), 0);
    EXPECT_EQ(out, "../Index.html\n\ta.html (#top)\t8\t27\n'x.gif'\n\ta.html\t37\t44\n");
}

TEST_F(TagwrightCheckLinksTest, UnreadablePageStopsAfterPrintingTheLinksFoundBeforeIt) {
    dir.write("site.prj", "NAME: S\r\n{\r\na.html\r\nmissing.html\r\nb.html\r\n}\r\n");
    dir.write("a.html", "<a href=b.html>");
    dir.write("b.html", "<a href=c.html>");
    EXPECT_EQ(run({"--links", "--project", (dir.path() / "site.prj").string()}), 2);
    EXPECT_EQ(out, "b.html\n\ta.html\t8\t14\n");
    EXPECT_EQ(err, "I/O Error: " + (dir.path() / "missing.html").string() + "\n");
}

TEST_F(TagwrightCheckLinksTest, BrokenLinksOfASite) {
    dir.write("site.prj", "NAME: S\r\n{\r\nindex.html\r\nsub\\page.html\r\nlogo.gif\r\n}\r\n");
    dir.write("index.html", "<p id=top>\n<a href=\"sub/page.html#intro\">"
                            "<a href=\"sub/page.html#Intro\">\n"
                            "<a href=gone.html> <a href=docs/><a href=empty/>\n"
                            "<a href=\"http://nowhere.invalid/x.html#y\"><a href=#top>");
    dir.write("sub/page.html", "<h2 id=intro>\n<img src=../logo.gif><img src=../nologo.gif>");
    dir.write("docs/index.html", "");
    dir.write("logo.gif", "GIF89a");
    dir.write("empty/notes.txt", "");
    const std::string index = (dir.path() / "index.html").string();
    const std::string page = (dir.path() / "sub/page.html").string();
    EXPECT_EQ(run({"--broken-links", "--project", (dir.path() / "site.prj").string()}), 1);
    EXPECT_EQ(out, index + ":2:39: bookmark not found: sub/page.html#Intro\n" + index +
                       ":3:9: link target not found: gone.html\n" + index +
                       ":3:42: link target not found: empty/\n" + page +
                       ":2:31: link target not found: ../nologo.gif\n");
    EXPECT_EQ(err, "");
}

TEST_F(TagwrightCheckLinksTest, BrokenLinksStatusSaysWhetherAnyWasFound) {
    const std::string clean = dir.write("clean.html", "<a href=clean.html>").string();
    EXPECT_EQ(run({"--broken-links", clean}), 0);
    EXPECT_EQ(out, "");
    const std::string missing = (dir.path() / "missing.html").string();
    EXPECT_EQ(run({"--broken-links", clean, missing}), 2);
    EXPECT_EQ(err, "I/O Error: " + missing + "\n");
}

TEST_F(TagwrightCheckLinksTest, ExampleSiteHasItsDeliberateBrokenLinkAndBookmark) {
    EXPECT_EQ(run({"--broken-links", "--project", copyOfExampleSite()}), 1);
    EXPECT_EQ(out, (dir.path() / "site/about.html").string() +
                       ":31:16: link target not found: history.html\n" +
                       (dir.path() / "site/about.html").string() +
                       ":35:29: bookmark not found: products/breads.html#spelt\n");
}

TEST_F(TagwrightCheckLinksTest, LinksTakeOneFileOrAProject) {
    const std::string a = dir.write("a.html", "").string();
    EXPECT_EQ(run({"--links", a, a}), 2);
    EXPECT_NE(err.find("usage:"), std::string::npos) << err;
    EXPECT_EQ(run({"--links"}), 2);
    EXPECT_EQ(runner.run({"--help"}), 0);
    EXPECT_NE(runner.out.find("--broken-links"), std::string::npos);
    EXPECT_NE(runner.out.find("I/O Error: PATH"), std::string::npos);
}

} // namespace

#endif
