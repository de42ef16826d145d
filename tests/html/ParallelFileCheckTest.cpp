#include "html/ParallelFileCheck.h"

#include "GoldenDump.h"
#include "TempDir.h"
#include "html/CTagData.h"
#include "html/CodeChecker.h"
#include "html/FileText.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::string_view Tags = "HTML\n{\n(WITHIN) ROOT\n}\n"
                                  "B\n{\n(WITHIN) ROOT\n}\n"
                                  "P\n{\n(WITHIN) HTML\nALIGN\n{\nLEFT\n}\n}\n";

// Also notes the thread each line arrives on and the text each file had.
class ThreadNotingSink : public GoldenDump::LogCollector {
public:
    void addLine(const CErrorLine& line) override {
        threads.push_back(std::this_thread::get_id());
        LogCollector::addLine(line);
    }
    void beginDocument(const std::string& path, std::string_view text) override {
        begun += path + "=" + std::string(text) + "\n";
    }

    std::vector<std::thread::id> threads;
    std::string begun;
};

class ParallelFileCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        tags.loadFromText(Tags, "");
        // Files of different sizes and error counts, so that the threads
        // finish them out of order.
        for (int i = 0; i < 40; ++i) {
            std::string page;
            for (int j = 0; j < (i * 7919) % 300; ++j)
                page += j % 3 == 0 ? "<blink>\r\n" : "<b>x</b><p align=right>\n";
            paths.push_back(dir.write("page" + std::to_string(i) + ".html", page).string());
        }
    }

    // What checking the files one by one in order hands the sink.
    ThreadNotingSink oneByOne(const std::vector<std::string>& files) {
        ThreadNotingSink sink;
        for (const std::string& path : files) {
            std::string text = ReadFileText(path, nullptr).value();
            sink.beginDocument(path, text);
            CheckDocument(tags, path, text, sink);
            sink.addLine(CErrorLine{});
        }
        return sink;
    }

    TempDir dir;
    CTagData tags;
    std::vector<std::string> paths;
};

} // namespace

TEST_F(ParallelFileCheckTest, HandsOverEveryLineInTheFilesOrderOnTheCallersThread) {
    for (unsigned threads : {1u, 2u, 3u, 8u}) {
        SCOPED_TRACE(threads);
        ThreadNotingSink sink;
        const CheckFilesResult result = ParallelFileCheck(tags, paths, threads).run(sink, nullptr);
        const ThreadNotingSink expected = oneByOne(paths);
        EXPECT_EQ(sink.text, expected.text);
        EXPECT_EQ(sink.begun, expected.begun);
        EXPECT_FALSE(result.ioError);
        int errors = 0;
        for (const CErrorLine& line : expected.lines)
            errors += line.error ? 1 : 0;
        EXPECT_EQ(result.errorCount, errors);
        for (std::thread::id id : sink.threads)
            ASSERT_EQ(id, std::this_thread::get_id());
    }
}

TEST_F(ParallelFileCheckTest, AnUnreadableFileEndsTheRunAfterTheFilesBeforeIt) {
    std::vector<std::string> files = paths;
    files.insert(files.begin() + 17, dir.path("missing.html"));
    ThreadNotingSink sink;
    const CheckFilesResult result = ParallelFileCheck(tags, files, 4).run(sink, nullptr);
    EXPECT_TRUE(result.ioError);
    EXPECT_EQ(result.failedPath, dir.path("missing.html"));
    EXPECT_FALSE(result.failedReason.empty());
    const std::vector<std::string> before(paths.begin(), paths.begin() + 17);
    EXPECT_EQ(sink.text, oneByOne(before).text);
}

TEST_F(ParallelFileCheckTest, AStopRequestEndsTheRunBeforeTheNextFile) {
    ThreadNotingSink sink;
    int asked = 0;
    const CheckFilesResult result =
        ParallelFileCheck(tags, paths, 3).run(sink, [&asked] { return ++asked > 5; });
    const std::vector<std::string> first(paths.begin(), paths.begin() + 5);
    EXPECT_EQ(sink.text, oneByOne(first).text);
    EXPECT_FALSE(result.ioError);
}
