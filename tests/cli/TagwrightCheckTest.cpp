#include "cli/CheckRunner.h"
#include "html/FileText.h"

#include <cstdlib>
#include <gtest/gtest.h>

#ifdef TAGWRIGHT_CHECK_BINARY

namespace {

constexpr std::string_view kTags = "HTML\n{\n(WITHIN) ROOT\n}\n"
                                   "B\n{\n(WITHIN) ROOT\n}\n"
                                   "P\n{\n(WITHIN) HTML\nALIGN\n{\nLEFT\n}\n}\n";

std::string shellQuoted(const std::string& text) {
    return CheckRunner::shellQuoted(text);
}

class TagwrightCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        tags = dir.write("tags.txt", kTags);
        colors = dir.write("colors.txt", "red\n");
    }

    int run(const std::vector<std::string>& arguments, const std::string& workingDir = "",
            const std::string& stdoutPath = "") {
        const int status = runner.run(arguments, workingDir, stdoutPath);
        out = runner.out;
        err = runner.err;
        return status;
    }

    std::vector<std::string> withData(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"--tags", tags, "--colors", colors});
        return arguments;
    }

    TempDir dir;
    CheckRunner runner{dir};
    std::string tags;
    std::string colors;
    std::string out;
    std::string err;
};

TEST_F(TagwrightCheckTest, GnuFormatGivesLineAndColumnOfTheTextAsRead) {
    std::string page = dir.write("page.html", "<html>\r\n<b>\r\n  <p align=right x>\r<blink>\n");
    EXPECT_EQ(run(withData({page})), 1);
    EXPECT_EQ(out, page + ":3:12: Parameter to ALIGN is incorrect\n" + page +
                       ":3:18: X Argument in P tag unknown\n" + page +
                       ":4:2: BLINK is an unknown tag\n");
    EXPECT_EQ(err, "");
}

TEST_F(TagwrightCheckTest, LogFormatPrintsEveryLineWithTheSeparator) {
    std::string page = dir.write("clean.html", "<html><b></b></html>");
    EXPECT_EQ(run(withData({"--format", "log", page})), 0);
    EXPECT_EQ(out, "0\t0\t" + page + "\tChecking " + page + " for errors\n" + "0\t0\t" + page +
                       "\tChecking tags...\n" + "0\t0\t" + page + "\tFound 0 errors.\n" +
                       "0\t0\t\t\n");
    EXPECT_EQ(run(withData({"--format=log", page})), 0);
}

TEST_F(TagwrightCheckTest, PathsArePrintedAsGivenInTheGivenOrder) {
    dir.write("b.html", "<i>");
    dir.write("a.html", "<u>");
    std::string command = "cd " + shellQuoted(dir.path().string()) + " && ";
    EXPECT_EQ(std::system((command + shellQuoted(TAGWRIGHT_CHECK_BINARY) +
                           " --tags tags.txt --colors " + "colors.txt ./b.html a.html >out.txt")
                              .c_str()) >>
                  8,
              1);
    EXPECT_EQ(ReadFileText((dir.path() / "out.txt").string()),
              "./b.html:1:2: I is an unknown tag\na.html:1:2: U is an unknown tag\n");
}

TEST_F(TagwrightCheckTest, UnreadableFileStopsWithStatusTwo) {
    std::string first = dir.write("first.html", "<blink>");
    std::string missing = (dir.path() / "missing.html").string();
    std::string last = dir.write("last.html", "<blink>");
    EXPECT_EQ(run(withData({"--format", "log", first, missing, last})), 2);
    EXPECT_NE(err.find("I/O Error"), std::string::npos);
    EXPECT_NE(err.find(missing), std::string::npos);
    EXPECT_NE(out.find("Checking " + first), std::string::npos);
    EXPECT_EQ(out.find(last), std::string::npos);
}

TEST_F(TagwrightCheckTest, ProjectChecksItsHtmlFilesInProjectOrder) {
    std::filesystem::create_directories(dir.path() / "site" / "sub");
    dir.write("site/sub/b.htm", "<b></b>");
    dir.write("site/a.HTML", "<blink>");
    dir.write("site/notes.txt", "<blink>");
    dir.write("outside.html", "<i>");
    std::string project = dir.write("site/site.prj", "NAME: Site\r\nPATH: elsewhere.prj\r\n{\r\n"
                                                     "sub\\b.htm\r\nnotes.txt\r\na.HTML\r\n"
                                                     "..\\outside.html\r\n}\r\n");
    EXPECT_EQ(run(withData({"--project", project})), 1);
    std::string site = (dir.path() / "site").string() + "/";
    EXPECT_EQ(out, site + "a.HTML:1:2: BLINK is an unknown tag\n" + dir.path().string() +
                       "/outside.html:1:2: I is an unknown tag\n");
    EXPECT_EQ(run(withData({"--format", "log", "--project", project})), 1);
    EXPECT_EQ(out.find("Checking " + site + "sub/b.htm"), out.find("Checking "));
    EXPECT_EQ(run(withData({"--project", (dir.path() / "none.prj").string()})), 2);
    EXPECT_NE(err.find("I/O Error"), std::string::npos);
}

TEST_F(TagwrightCheckTest, ARelativeProjectPathResolvesEntriesFromTheProjectFolder) {
    std::filesystem::create_directories(dir.path() / "proj" / "sub");
    dir.write("proj/common.html", "<blink>");
    dir.write("proj/sub/common.html", "<b></b>"); // clean: must not be the one checked
    dir.write("proj/sub/site.prj", "{\r\n..\\common.html\r\n}\r\n");
    const std::string sub = (dir.path() / "proj" / "sub").string();
    EXPECT_EQ(run(withData({"--project", "site.prj"}), sub), 1);
    EXPECT_EQ(out, (dir.path() / "proj").string() + "/common.html:1:2: BLINK is an unknown tag\n");
    EXPECT_EQ(run(withData({"--project", "./../sub/site.prj"}), sub), 1);
}

TEST_F(TagwrightCheckTest, OutputThatCannotBeWrittenIsStatusTwoWithAMessage) {
    std::string page = dir.write("page.html", "<blink>");
    EXPECT_EQ(run(withData({page}), "", "/dev/full"), 2);
    EXPECT_NE(err.find("cannot write the output"), std::string::npos) << err;
    EXPECT_EQ(run({"--help"}, "", "/dev/full"), 2);
}

TEST_F(TagwrightCheckTest, AProjectWithoutHtmlFilesWarnsAndKeepsTheStatus) {
    dir.write("notes.txt", "<blink>");
    std::string project = dir.write("p.prj", "NAME: Notes\r\n{\r\nnotes.txt\r\n}\r\n");
    EXPECT_EQ(run(withData({"--project", project})), 0);
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("warning"), std::string::npos) << err;
    EXPECT_NE(err.find(project), std::string::npos) << err;
}

TEST_F(TagwrightCheckTest, InstalledDataComesFromTheEditorSettings) {
    std::filesystem::create_directories(dir.path() / "install" / "Data");
    dir.write("install/Data/Mine.txt", "I\n{\n(WITHIN) ROOT\n}\n");
    dir.write("install/Data/Colors.txt", "red\n");
    std::filesystem::create_directories(dir.path() / "config" / "Quillmark");
    dir.write("config/Quillmark/Tagwright.conf",
              "[Main]\nInstallDir=\"" + (dir.path() / "install").string() +
                  "\"\n\n[Options]\nTagData=Data/Mine.txt\nHTMLExt=*.page\n");
    std::string page = dir.write("x.html", "<i><b>");
    EXPECT_EQ(run({page}), 1);
    EXPECT_EQ(out, page + ":1:5: B is an unknown tag\n");
    std::string project = dir.write("p.prj", "{\nx.html\ny.page\n}\n");
    dir.write("y.page", "<i>");
    EXPECT_EQ(run({"--project", project}), 0);

    dir.write("config/Quillmark/Tagwright.conf", "[Options]\nTagData=Data/Mine.txt\n");
    EXPECT_EQ(run({page}), 2); // this test binary's tree has no such data
    EXPECT_NE(err.find("Mine.txt"), std::string::npos);
}

TEST_F(TagwrightCheckTest, WithoutDataBesideItTheCheckerSaysWhereItLooked) {
    std::filesystem::create_directories(dir.path() / "bin");
    runner.binary = (dir.path() / "bin" / "tagwright-check").string();
    std::filesystem::copy_file(TAGWRIGHT_CHECK_BINARY, runner.binary);
    std::string page = dir.write("x.html", "<i>");
    EXPECT_EQ(run({page}), 2);
    EXPECT_NE(err.find("The data folder was not found; looked in: " + dir.path().string() +
                       "/share/tagwright/, " + dir.path().string() + "/bin/data/"),
              std::string::npos)
        << err;
    EXPECT_EQ(run(withData({page})), 1) << "given data files need no data folder";
}

TEST_F(TagwrightCheckTest, CommandLineMistakesGiveUsageAndStatusTwo) {
    std::string page = dir.write("p.html", "");
    EXPECT_EQ(run(withData({"--bogus", page})), 2);
    EXPECT_NE(err.find("usage: tagwright-check"), std::string::npos);
    EXPECT_EQ(run(withData({})), 2);
    EXPECT_EQ(run(withData({"--format", "xml", page})), 2);
    EXPECT_EQ(run(withData({"--project", "x.prj", page})), 2);
    EXPECT_EQ(run({"--tags"}), 2);
    EXPECT_EQ(run(withData({"--tags", (dir.path() / "none.txt").string(), page})), 2);
    EXPECT_NE(err.find("none.txt"), std::string::npos);
}

TEST_F(TagwrightCheckTest, HelpDescribesTheCall) {
    EXPECT_EQ(run({"--help"}), 0);
    for (const char* word : {"--tags", "--colors", "--format gnu", "--format log", "--project",
                             "PATH:LINE:COLUMN: MESSAGE", "Exit status", "I/O Error"})
        EXPECT_NE(out.find(word), std::string::npos) << word;
}

} // namespace

#endif
