#include "editor/IMarkLink.h"
#include "editor/TextModel.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int DocumentBytes = 1'000'000;
constexpr int MarkCount = 1'000;

class SpanRecord : public IMarkLink {
public:
    SpanRecord(int start, int end) : start_(start), end_(end) {}
    int spanStart() const override { return start_; }
    int spanEnd() const override { return end_; }
    void setSpan(int start, int end) override {
        start_ = start;
        end_ = end;
    }

private:
    int start_;
    int end_;
};

// HTML-like lines of about 60 bytes, cut to exactly `bytes`.
std::string documentText(int bytes, const char* lineEnd) {
    std::string text;
    text.reserve(static_cast<std::size_t>(bytes) + 80);
    for (int line = 0; static_cast<int>(text.size()) < bytes; ++line) {
        text +=
            "\t<TD ALIGN=\"left\"><A HREF=\"page" + std::to_string(line) + ".htm\">Entry</A></TD>";
        text += lineEnd;
    }
    text.resize(static_cast<std::size_t>(bytes));
    return text;
}

struct BenchDir {
    BenchDir() {
        std::string pattern = (fs::temp_directory_path() / "tw-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path = pattern;
        }
    }
    ~BenchDir() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

fs::path writeCrLfDocument(const BenchDir& dir) {
    const fs::path file = dir.path / "crlf.htm";
    const std::string bytes = documentText(DocumentBytes, "\r\n");
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    return file;
}

void fillWithMarks(TextModel& model, std::vector<std::unique_ptr<SpanRecord>>& links) {
    const int step = model.length() / MarkCount;
    for (int i = 0; i < MarkCount; ++i) {
        const int start = i * step + 10;
        links.push_back(std::make_unique<SpanRecord>(start, start + 5));
        model.AddMark(CMarkRecord{CMarkRecord::KindErrorLog, start, start + 5, 6, "error",
                                  links.back().get()});
    }
}

void BM_TextModelReplaceRangeInsertAtStart(benchmark::State& state) {
    TextModel model;
    model.ReplaceRange(0, 0, documentText(DocumentBytes, "\n"));
    std::vector<std::unique_ptr<SpanRecord>> links;
    fillWithMarks(model, links);
    for (auto _ : state) {
        if (model.length() >= TextModel::Capacity) {
            state.PauseTiming();
            model.ReplaceRange(0, model.length() - DocumentBytes, "");
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(model.ReplaceRange(0, 0, "x"));
    }
}
BENCHMARK(BM_TextModelReplaceRangeInsertAtStart)->Unit(benchmark::kMicrosecond);

void BM_TextModelLineOfOffsetAtEnd(benchmark::State& state) {
    TextModel model;
    model.ReplaceRange(0, 0, documentText(DocumentBytes, "\n"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.LineOfOffset(model.length()));
    }
}
BENCHMARK(BM_TextModelLineOfOffsetAtEnd)->Unit(benchmark::kMicrosecond);

void BM_TextModelLoadFileCrLf(benchmark::State& state) {
    const BenchDir dir;
    const fs::path file = writeCrLfDocument(dir);
    TextModel model;
    for (auto _ : state) {
        if (model.LoadFile(file) != FileResult::Ok) {
            state.SkipWithError("load failed");
            break;
        }
    }
}
BENCHMARK(BM_TextModelLoadFileCrLf)->Unit(benchmark::kMillisecond);

void BM_TextModelSaveFileCrLf(benchmark::State& state) {
    const BenchDir dir;
    const fs::path file = writeCrLfDocument(dir);
    TextModel model;
    model.LoadFile(file);
    for (auto _ : state) {
        if (model.SaveFile(file) != FileResult::Ok) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_TextModelSaveFileCrLf)->Unit(benchmark::kMillisecond);

} // namespace
