#include "GoldenDump.h"
#include "html/CTagData.h"
#include "html/CodeChecker.h"
#include "html/FileText.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Every tests/data/*.html has its scanner dump beside it in *.tokens and its
// checker log in *.log. A mismatch is written to *.new for a person to look
// at; tools/refresh_golden.sh turns the .new files into the references.
class GoldenFilesTest : public ::testing::Test {
protected:
    static std::vector<fs::path> inputs() {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(TAGWRIGHT_TEST_DATA_DIR)) {
            if (entry.path().extension() == ".html")
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    static CTagData vocabulary() {
        CTagData data;
        std::string dir = TAGWRIGHT_TEST_DATA_DIR;
        EXPECT_TRUE(data.LoadTagData(dir + "/golden-tags.txt", dir + "/golden-colors.txt").ok());
        return data;
    }

    static void compare(const fs::path& reference, const std::string& actual) {
        std::string newFile = reference.string() + ".new";
        std::optional<std::string> expected = ReadFileText(reference.string());
        if (expected && *expected == actual) {
            fs::remove(newFile);
            return;
        }
        std::ofstream(newFile, std::ios::binary) << actual;
        ADD_FAILURE() << reference.filename() << " differs; see " << newFile;
    }
};

TEST_F(GoldenFilesTest, ScannerTokensMatchTheReferences) {
    std::vector<fs::path> files = inputs();
    ASSERT_GE(files.size(), 8u);
    for (const fs::path& input : files) {
        std::optional<std::string> text = ReadFileText(input.string());
        ASSERT_TRUE(text) << input;
        compare(fs::path(input).replace_extension(".tokens"), GoldenDump::tokens(*text));
    }
}

TEST_F(GoldenFilesTest, CheckerLogsMatchTheReferences) {
    CTagData data = vocabulary();
    for (const fs::path& input : inputs()) {
        GoldenDump::LogCollector log;
        CheckFilesResult result = CheckFiles(data, {input.string()}, log);
        ASSERT_FALSE(result.ioError) << input;
        // The log names the file as given; keep the references free of the
        // checkout's location.
        std::string text = log.text;
        std::string full = input.string();
        for (size_t at = text.find(full); at != std::string::npos; at = text.find(full, at))
            text.replace(at, full.size(), input.filename().string());
        compare(fs::path(input).replace_extension(".log"), text);
    }
}

} // namespace
