#include "io/FileReader.h"

#include "TempDir.h"
#include "app/TipList.h"
#include "cli/CheckRunner.h"
#include "editor/TextFile.h"
#include "html/CTagData.h"
#include "html/FileText.h"
#include "project/ProjectFile.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kOverTheDataLimit = FileReader::kDataFileLimit + 1;

// One kind of file the program may be asked to read whole, and what every
// reader must make of it.
struct ReadCase {
    const char* name;
    std::function<std::string(const TempDir&)> make; // returns the path
    ReadResult expected;
    const char* reason; // part of the detail text ("" when Ok)
    bool needsNonRoot = false;
};

void PrintTo(const ReadCase& readCase, std::ostream* out) {
    *out << readCase.name;
}

std::string sparseFile(const TempDir& dir, std::size_t size) {
    const std::string path = dir.write("huge.html", "").string();
    std::filesystem::resize_file(path, size);
    return path;
}

const ReadCase kReadCases[] = {
    {"Normal", [](const TempDir& d) { return d.write("a.html", "<html>\r\n</html>").string(); },
     ReadResult::Ok, ""},
    {"Missing", [](const TempDir& d) { return d.path("none.html"); }, ReadResult::NotFound,
     "No such file"},
    {"Directory",
     [](const TempDir& d) {
         std::filesystem::create_directory(d.path() / "folder.html");
         return d.path("folder.html");
     },
     ReadResult::NotRegular, "Is a directory"},
    {"Fifo",
     [](const TempDir& d) {
         ::mkfifo(d.path("pipe.html").c_str(), 0644);
         return d.path("pipe.html");
     },
     ReadResult::NotRegular, "FIFO"},
    {"DevZero", [](const TempDir&) { return std::string("/dev/zero"); }, ReadResult::NotRegular,
     "device"},
    {"TooLarge", [](const TempDir& d) { return sparseFile(d, kOverTheDataLimit); },
     ReadResult::TooLarge, "larger than"},
    {"Unreadable",
     [](const TempDir& d) {
         const std::string path = d.write("secret.html", "x").string();
         ::chmod(path.c_str(), 0);
         return path;
     },
     ReadResult::Failed, "Permission denied", true},
};

class WholeFileRead : public ::testing::TestWithParam<ReadCase> {
protected:
    void SetUp() override {
        if (GetParam().needsNonRoot && ::geteuid() == 0)
            GTEST_SKIP() << "root reads every file";
        path = GetParam().make(dir);
    }
    bool fails() const { return GetParam().expected != ReadResult::Ok; }

    TempDir dir;
    std::string path;
};

TEST_P(WholeFileRead, TheReaderSaysWhatItIs) {
    const FileReader::Contents file = FileReader::read(path, FileReader::kDataFileLimit);
    EXPECT_EQ(file.result, GetParam().expected);
    EXPECT_NE(file.detail.find(GetParam().reason), std::string::npos) << file.detail;
    EXPECT_EQ(file.bytes, fails() ? "" : "<html>\r\n</html>");
}

TEST_P(WholeFileRead, EveryKindOfFileAgrees) {
    std::string reason;
    EXPECT_EQ(ReadFileText(path, &reason).has_value(), !fails());
    EXPECT_NE(reason.find(GetParam().reason), std::string::npos) << reason;

    CProject project;
    EXPECT_EQ(LoadProject(project, path), GetParam().expected);

    TipList tips;
    EXPECT_EQ(tips.load(path), !fails());

    CTagData tagData;
    const TagDataLoadResult loaded = tagData.LoadTagData(path, path);
    EXPECT_EQ(loaded.unreadableFiles.size(), fails() ? 2u : 0u);
    EXPECT_EQ(loaded.reasons.size(), loaded.unreadableFiles.size());

    TextFile::Contents document;
    const FileResult expected = GetParam().expected == ReadResult::TooLarge ? FileResult::TooLong
                                : fails()                                   ? FileResult::CannotOpen
                                                                            : FileResult::Ok;
    EXPECT_EQ(TextFile::load(path, 1'048'574, document, &reason), expected);
    EXPECT_NE(reason.find(GetParam().reason), std::string::npos) << reason;
}

#ifdef TAGWRIGHT_CHECK_BINARY
TEST_P(WholeFileRead, TheCheckerReportsItAsAnIoError) {
    const std::string tags = dir.write("tags.txt", "HTML\n{\n(WITHIN) ROOT\n}\n").string();
    const std::string colors = dir.write("colors.txt", "red\n").string();
    CheckRunner checker(dir);
    EXPECT_EQ(checker.run({"--tags", tags, "--colors", colors, path}), fails() ? 2 : 0);
    if (fails()) {
        EXPECT_NE(checker.err.find("I/O Error: " + path + ": "), std::string::npos) << checker.err;
        EXPECT_NE(checker.err.find(GetParam().reason), std::string::npos) << checker.err;
    }
    EXPECT_EQ(checker.run({"--tags", tags, "--colors", colors, "--project", path}),
              fails() ? 2 : 0);
    EXPECT_EQ(checker.run({"--tags", path, "--colors", colors, tags}), fails() ? 2 : 0);
    if (fails()) {
        EXPECT_NE(checker.err.find("cannot read " + path), std::string::npos) << checker.err;
    }
}
#endif

INSTANTIATE_TEST_SUITE_P(Kinds, WholeFileRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileReader, TheLimitIsInclusiveAndCountsBytesAsStored) {
    TempDir dir;
    const std::string path = dir.write("a.txt", "12\r\n45").string();
    EXPECT_EQ(FileReader::read(path, 6).result, ReadResult::Ok);
    EXPECT_EQ(FileReader::read(path, 5).result, ReadResult::TooLarge);
    EXPECT_EQ(FileReader::read(path, 5).bytes, "");
    EXPECT_EQ(FileReader::read(dir.write("empty.txt", "").string(), 0).result, ReadResult::Ok);
}

TEST(FileReader, AFileThatReportsNoSizeIsStillReadToItsEnd) {
    const FileReader::Contents file = FileReader::read("/proc/self/status", 1 << 20);
    ASSERT_EQ(file.result, ReadResult::Ok) << file.detail;
    EXPECT_NE(file.bytes.find("Pid:"), std::string::npos);
    EXPECT_EQ(FileReader::read("/proc/self/status", 10).result, ReadResult::TooLarge);
}

} // namespace
