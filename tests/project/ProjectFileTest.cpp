#include "project/ProjectFile.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

CProject twoFileProject(const std::string& path) {
    CProject project;
    project.Name = "Bakery";
    project.Path = path;
    project.FtpServer = "127.0.0.1";
    project.ServerPath = "www";
    project.Login = "ann";
    project.Password = "secret";
    project.Files.push_back({.RelPath = "index.html"});
    project.Files.push_back({.RelPath = "products/bread.html"});
    return project;
}

} // namespace

TEST(ProjectFile, WritesTheFixedLinesWithBackslashesAndCrLf) {
    TempDir dir;
    const CProject project = twoFileProject(dir.path("site.prj"));
    EXPECT_EQ(FormatProject(project), "NAME: Bakery\r\nPATH: " + project.Path +
                                          "\r\nFTPSERVER: 127.0.0.1\r\nSERVERPATH: www\r\n"
                                          "LOGIN: ann\r\nSAVEPASSWORD: NO\r\nAUTOUPDATE: NO\r\n"
                                          "{\r\nindex.html\r\nproducts\\bread.html\r\n}\r\n");
}

TEST(ProjectFile, RoundTripsThroughDisk) {
    TempDir dir;
    CProject saved = twoFileProject(dir.path("site.prj"));
    saved.SavePassword = true;
    saved.AutoUpdate = true;
    ASSERT_TRUE(SaveProject(saved));

    CProject loaded;
    ASSERT_EQ(LoadProject(loaded, saved.Path), ReadResult::Ok);
    EXPECT_EQ(loaded.Name, "Bakery");
    EXPECT_EQ(loaded.Path, saved.Path);
    EXPECT_EQ(loaded.Password, "secret");
    EXPECT_TRUE(loaded.SavePassword);
    EXPECT_TRUE(loaded.AutoUpdate);
    ASSERT_EQ(loaded.Files.size(), 2u);
    EXPECT_EQ(loaded.Files[1].RelPath, "products/bread.html");
}

TEST(ProjectFile, AProjectWithoutFilesHasNoBraces) {
    CProject project;
    project.Name = "Empty";
    const std::string text = FormatProject(project);
    EXPECT_EQ(text.find('{'), std::string::npos);
    EXPECT_EQ(text.find("PASSWORD: \r"), std::string::npos);
}

TEST(ProjectFile, AFileHoldingAPasswordIsReadableByItsOwnerOnly) {
    TempDir dir;
    CProject project = twoFileProject(dir.path("site.prj"));
    dir.write("site.prj", "old");
    ::chmod(project.Path.c_str(), 0644);
    project.SavePassword = true;
    ASSERT_TRUE(SaveProject(project));
    struct stat info {};
    ASSERT_EQ(::stat(project.Path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(ProjectFile, ReadsKeysInAnyOrderWithTrimmedValues) {
    TempDir dir;
    dir.write("p.prj", "AUTOUPDATE: yes\n"
                       "NAME: \t My site \t\r\n"
                       "SERVERPATH: /pub\n"
                       " LOGIN: ignored\n"
                       "login: ignored\n"
                       "PASSWORD: pw\n"
                       "SAVEPASSWORD: NO\n"
                       "{ rest is ignored\n"
                       "  a.html  \n"
                       "\n"
                       "sub\\b.html\n"
                       "}\n"
                       "NAME: Later wins\n"
                       "{\n"
                       "c.html\n");
    CProject project;
    ASSERT_EQ(LoadProject(project, dir.path("p.prj")), ReadResult::Ok);
    EXPECT_EQ(project.Name, "Later wins");
    EXPECT_EQ(project.Path, dir.path("p.prj")); // no "PATH:" line: where it was read
    EXPECT_EQ(project.ServerPath, "/pub");
    EXPECT_EQ(project.Login, "");
    EXPECT_EQ(project.Password, "pw");
    EXPECT_FALSE(project.SavePassword);
    EXPECT_FALSE(project.AutoUpdate);
    ASSERT_EQ(project.Files.size(), 4u);
    EXPECT_EQ(project.Files[0].RelPath, "a.html");
    EXPECT_EQ(project.Files[1].RelPath, "");
    EXPECT_EQ(project.Files[2].RelPath, "sub/b.html");
    EXPECT_EQ(project.Files[3].RelPath, "c.html");
}

TEST(ProjectFile, MissingFileFailsToLoad) {
    TempDir dir;
    CProject project;
    EXPECT_EQ(LoadProject(project, dir.path("none.prj")), ReadResult::NotFound);
}

TEST(ProjectFile, SaveWithoutPathOrIntoUnwritableFileFails) {
    TempDir dir;
    CProject project = twoFileProject("");
    EXPECT_FALSE(SaveProject(project));

    project.Path = dir.path("locked.prj");
    dir.write("locked.prj", "NAME: kept\r\n");
    ::chmod(project.Path.c_str(), 0444);
    EXPECT_FALSE(SaveProject(project));
    EXPECT_EQ(dir.read("locked.prj"), "NAME: kept\r\n");
}

TEST(ProjectFile, MarkFileOpenMatchesTheResolvedPath) {
    CProject project = twoFileProject("/site/site.prj");
    int window = 0;
    MarkFileOpen(project, "/site/products/bread.html", &window);
    EXPECT_FALSE(project.Files[0].Open);
    EXPECT_TRUE(project.Files[1].Open);
    EXPECT_EQ(project.Files[1].Window, &window);
    MarkFileOpen(project, "index.html", &window);
    EXPECT_TRUE(project.Files[0].Open);
}

TEST(ProjectFile, TheProjectFolderIsAbsoluteAndCleanedAsText) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "real");
    std::filesystem::create_directory_symlink(dir.path() / "real", dir.path() / "link");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path() / "real");
    const std::string cwd = (dir.path() / "real").string();
    const struct {
        std::string projectFile;
        std::string folder;
    } cases[] = {
        {"site.prj", cwd + "/"},
        {"./sub/../site.prj", cwd + "/"},
        {"../link/site.prj", dir.path().string() + "/link/"}, // the link is kept as written
        {"/a/./b/../c/site.prj", "/a/c/"},
        {"", ""},
    };
    for (const auto& [projectFile, folder] : cases) {
        CProject project;
        project.Path = projectFile;
        EXPECT_EQ(project.Directory(), folder) << projectFile;
        EXPECT_EQ(ProjectDirectory(projectFile), folder) << projectFile;
    }
    std::filesystem::current_path(before);
}

// A project copied to another folder resolves and saves against the copy,
// not against the folder its "PATH:" line still names.
TEST(ProjectFile, AMovedProjectLivesWhereItWasLoadedFrom) {
    TempDir oldPlace;
    TempDir newPlace;
    ASSERT_TRUE(SaveProject(twoFileProject(oldPlace.path("site.prj"))));
    std::filesystem::copy_file(oldPlace.path("site.prj"), newPlace.path("site.prj"));
    std::filesystem::remove(oldPlace.path("site.prj"));

    CProject moved;
    ASSERT_EQ(LoadProject(moved, newPlace.path("site.prj")), ReadResult::Ok);
    EXPECT_EQ(moved.Path, newPlace.path("site.prj"));
    EXPECT_EQ(moved.Directory(), newPlace.dir());
    moved.Name = "Moved";
    ASSERT_TRUE(SaveProject(moved));
    EXPECT_FALSE(std::filesystem::exists(oldPlace.path("site.prj")));
    EXPECT_NE(newPlace.read("site.prj").find("PATH: " + newPlace.path("site.prj") + "\r\n"),
              std::string::npos);
}

TEST(ProjectFile, ARelativeLoadPathBecomesFull) {
    TempDir dir;
    dir.write("sub/p.prj", "NAME: x\r\nPATH: C:\\elsewhere\\p.prj\r\n");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    CProject project;
    const ReadResult result = LoadProject(project, "./sub/../sub/p.prj");
    std::filesystem::current_path(before);
    ASSERT_EQ(result, ReadResult::Ok);
    EXPECT_EQ(project.Path, dir.path("sub/p.prj"));
}

// Saved in the form it was read, a project file comes back byte for byte:
// CR LF line ends, backslashes in sub-folder entries, the password line.
TEST(ProjectFile, LoadAndSaveRoundTripByteForByte) {
    TempDir dir;
    const std::string path = dir.path("my site/site.prj");
    const std::string bytes = "NAME: Bakery\r\nPATH: " + path +
                              "\r\nFTPSERVER: ftp.example.org\r\nSERVERPATH: www\r\n"
                              "LOGIN: ann\r\nPASSWORD: s3cret\r\nSAVEPASSWORD: YES\r\n"
                              "AUTOUPDATE: YES\r\n{\r\nindex.html\r\nproducts\\bread.html\r\n"
                              "..\\shared\\style.css\r\n}\r\n";
    dir.write("my site/site.prj", bytes);
    CProject project;
    ASSERT_EQ(LoadProject(project, path), ReadResult::Ok);
    ASSERT_TRUE(SaveProject(project));
    EXPECT_EQ(dir.read("my site/site.prj"), bytes);
}

TEST(ProjectFile, SavingAReadOnlyFileSaysWhy) {
    TempDir dir;
    CProject project = twoFileProject(dir.path("locked.prj"));
    dir.write("locked.prj", "NAME: kept\r\n");
    ::chmod(project.Path.c_str(), 0444);
    AtomicWriteResult outcome = AtomicWriteResult::Ok;
    EXPECT_FALSE(SaveProject(project, &outcome));
    EXPECT_EQ(outcome, AtomicWriteResult::ReadOnly);
    project.Path.clear();
    EXPECT_FALSE(SaveProject(project, &outcome));
    EXPECT_EQ(outcome, AtomicWriteResult::WriteFailed);
}

// Bad input reads as some project without hanging: garbage, binary bytes,
// a brace block that never closes.
TEST(ProjectFile, GarbageAndLongBlocksLoadWhatTheyCan) {
    TempDir dir;
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<char>(i * 7);
    }
    std::string block = "NAME: big\n{\n";
    for (int i = 0; i < 100000; ++i) {
        block.append("f").append(std::to_string(i)).append(".html\n");
    }
    const struct {
        std::string name;
        std::string bytes;
        std::size_t files;
    } cases[] = {
        {"empty.prj", "", 0},
        {"garbage.prj", "}}}\n:::\nNAME\nPATH\n", 0},
        {"binary.prj", binary, 0},
        {"block.prj", block, 100000},
    };
    for (const auto& [name, bytes, files] : cases) {
        dir.write(name, bytes);
        CProject project;
        ASSERT_EQ(LoadProject(project, dir.path(name)), ReadResult::Ok) << name;
        EXPECT_EQ(project.Path, dir.path(name)) << name;
        if (name != "binary.prj") {
            EXPECT_EQ(project.Files.size(), files) << name;
        }
    }
}
