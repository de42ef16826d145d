#include "app/InstallPaths.h"

#include "CaseName.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Runs a test from another directory and goes back afterwards.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const fs::path& directory) : previous_(fs::current_path()) {
        fs::current_path(directory);
    }
    ~CurrentDirectory() { fs::current_path(previous_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    fs::path previous_;
};

struct SearchCase {
    const char* name;
    const char* dataDir;    // relative to the root; "" for none
    const char* executable; // relative to the root, or a bare program name
    const char* found;      // relative to the root; "" for nothing found
    int placesLookedIn;
};

void PrintTo(const SearchCase& row, std::ostream* out) {
    *out << row.name;
}

class FindingTheData : public ::testing::TestWithParam<SearchCase> {};

} // namespace

// The current directory always holds data/Data and Data/ here: finding it
// there would mean the search looked where it must not.
TEST_P(FindingTheData, OnlyBesideTheExecutable) {
    const SearchCase& row = GetParam();
    TempDir root;
    fs::create_directories(root.path() / "bin");
    if (*row.dataDir != '\0') {
        fs::create_directories(root.path() / row.dataDir / "Data");
    }
    TempDir current;
    fs::create_directories(current.path() / "data" / "Data");
    fs::create_directories(current.path() / "Data");
    CurrentDirectory inside(current.path());

    const bool bare = fs::path(row.executable).parent_path().empty();
    const std::string executable = bare ? row.executable : root.path(row.executable);
    const InstallDirSearch search = SearchInstallDir(executable);
    const std::string expected = *row.found == '\0' ? "" : root.dir() + row.found;
    EXPECT_EQ(search.found, expected);
    EXPECT_EQ(FindInstallDir(executable), expected);
    EXPECT_EQ(static_cast<int>(search.lookedIn.size()), row.placesLookedIn);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FindingTheData,
    ::testing::Values(SearchCase{"Installed", "share/tagwright", "bin/tagwright",
                                 "share/tagwright/", 1},
                      SearchCase{"BuildTree", "bin/data", "bin/tagwright", "bin/data/", 2},
                      SearchCase{"NoDataAnywhere", "", "bin/tagwright", "", 2},
                      SearchCase{"BareProgramName", "", "tagwright-check", "", 0}),
    CaseName());

TEST(InstallPaths, NotFoundMessageNamesEveryPlace) {
    EXPECT_EQ(DataFolderNotFoundMessage({"/opt/share/tagwright/", "/opt/bin/data/"}),
              "The data folder was not found; looked in: /opt/share/tagwright/, /opt/bin/data/");
    EXPECT_EQ(DataFolderNotFoundMessage({}).rfind("The data folder was not found; looked in: ", 0),
              0u);
}

struct ResolveCase {
    const char* installDir;
    const char* name;
    const char* resolved;
};

void PrintTo(const ResolveCase& row, std::ostream* out) {
    *out << '"' << row.installDir << "\" + \"" << row.name << '"';
}

class ResolvingADataFile : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolvingADataFile, AbsoluteStaysRelativeJoinsTheInstallDir) {
    EXPECT_EQ(ResolveDataFile(GetParam().installDir, GetParam().name), GetParam().resolved);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ResolvingADataFile,
    ::testing::Values(ResolveCase{"/opt/tw/", "Data/Tags.txt", "/opt/tw/Data/Tags.txt"},
                      ResolveCase{"/opt/tw", "Data/Tags.txt", "/opt/tw/Data/Tags.txt"},
                      ResolveCase{"/opt/tw/", "/home/ann/Tags.txt", "/home/ann/Tags.txt"},
                      ResolveCase{"/opt/tw/", "../Mine.txt", "/opt/Mine.txt"},
                      ResolveCase{"", "/home/ann/Tags.txt", "/home/ann/Tags.txt"},
                      ResolveCase{"", "Data/Tags.txt", ""}));
