#include "GoldenDump.h"
#include "GoldenFile.h"
#include "editor/ColorPass.h"
#include "editor/StyledText.h"
#include "editor/TextModel.h"
#include "html/CTagData.h"
#include "html/CodeChecker.h"
#include "html/FileText.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Every tests/data/*.html has its scanner dump beside it in *.tokens and its
// checker log in *.log; every tests/data/color/*.html has its colours, as the
// installed tag data gives them, in *.styled.
const fs::path kDataDir = TAGWRIGHT_TEST_DATA_DIR;
const fs::path kColourDir = kDataDir / "color";

std::vector<fs::path> scannerInputs() {
    return GoldenFile::inputs(kDataDir, ".html");
}

std::vector<fs::path> colourInputs() {
    return GoldenFile::inputs(kColourDir, ".html");
}

fs::path referenceFor(const fs::path& input, const char* extension) {
    return fs::path(input).replace_extension(extension);
}

// The log names the file as given; the references stay free of the
// checkout's location.
std::string withoutDirectory(std::string log, const fs::path& input) {
    const std::string full = input.string();
    const std::string name = input.filename().string();
    for (std::size_t at = log.find(full); at != std::string::npos; at = log.find(full, at)) {
        log.replace(at, full.size(), name);
    }
    return log;
}

class GoldenTokens : public ::testing::TestWithParam<fs::path> {};
class GoldenLog : public ::testing::TestWithParam<fs::path> {};
class GoldenStyled : public ::testing::TestWithParam<fs::path> {};

} // namespace

TEST(GoldenInputs, EveryKindHasItsInputsAndReferences) {
    EXPECT_GE(scannerInputs().size(), 8u);
    EXPECT_GE(colourInputs().size(), 1u);
    for (const fs::path& input : scannerInputs()) {
        EXPECT_TRUE(fs::exists(referenceFor(input, ".tokens"))) << input;
        EXPECT_TRUE(fs::exists(referenceFor(input, ".log"))) << input;
    }
    for (const fs::path& input : colourInputs()) {
        EXPECT_TRUE(fs::exists(referenceFor(input, ".styled"))) << input;
    }
}

TEST_P(GoldenTokens, ScannerTokensMatchTheReference) {
    std::optional<std::string> text = ReadFileText(GetParam().string());
    ASSERT_TRUE(text) << GetParam();
    EXPECT_TRUE(
        GoldenFile::matches(referenceFor(GetParam(), ".tokens"), GoldenDump::tokens(*text)));
}

TEST_P(GoldenLog, CheckerLogMatchesTheReference) {
    CTagData data;
    ASSERT_TRUE(data.LoadTagData((kDataDir / "golden-tags.txt").string(),
                                 (kDataDir / "golden-colors.txt").string())
                    .ok());
    GoldenDump::LogCollector log;
    CheckFilesResult result = CheckFiles(data, {GetParam().string()}, log);
    ASSERT_FALSE(result.ioError) << GetParam();
    EXPECT_TRUE(GoldenFile::matches(referenceFor(GetParam(), ".log"),
                                    withoutDirectory(log.text, GetParam())));
}

TEST_P(GoldenStyled, ColoursWithTheInstalledTagDataMatchTheReference) {
    CTagData installed;
    ASSERT_TRUE(installed
                    .LoadTagData(TAGWRIGHT_SOURCE_DIR "/data/Data/Tags.txt",
                                 TAGWRIGHT_SOURCE_DIR "/data/Data/Colors.txt")
                    .ok());
    TextModel document;
    ASSERT_EQ(document.LoadFile(GetParam()), FileResult::Ok) << GetParam();
    std::optional<ColorPassResult> result = ColorPass(installed, {}).run(document.text(), 0);
    ASSERT_TRUE(result);
    EXPECT_TRUE(GoldenFile::matches(referenceFor(GetParam(), ".styled"),
                                    styledText(document.text(), result->attributes)));
}

INSTANTIATE_TEST_SUITE_P(Data, GoldenTokens, ::testing::ValuesIn(scannerInputs()),
                         GoldenFile::testName);
INSTANTIATE_TEST_SUITE_P(Data, GoldenLog, ::testing::ValuesIn(scannerInputs()),
                         GoldenFile::testName);
INSTANTIATE_TEST_SUITE_P(Data, GoldenStyled, ::testing::ValuesIn(colourInputs()),
                         GoldenFile::testName);
