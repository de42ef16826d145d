#include "html/CTagData.h"
#include "html/CTagScanner.h"
#include "html/CodeChecker.h"
#include "html/FileText.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <vector>

namespace {

constexpr size_t kCorpusBytes = 1'000'000;
constexpr const char* kCorpusDir = "/usr/share/doc/python3.11/html";

// Real pages glued together up to exactly one million bytes, in a fixed
// order so that runs compare.
const std::string& corpus() {
    static const std::string text = [] {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(kCorpusDir, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            if (it->path().extension() == ".html")
                files.push_back(it->path());
        }
        std::sort(files.begin(), files.end());
        std::string all;
        for (const auto& file : files) {
            if (all.size() >= kCorpusBytes)
                break;
            all += ReadFileText(file.string()).value_or("");
        }
        if (all.size() > kCorpusBytes)
            all.resize(kCorpusBytes);
        return all;
    }();
    return text;
}

std::string defaultTags() {
    return std::string(TAGWRIGHT_SOURCE_DIR) + "/data/Data/Tags.txt";
}

std::string defaultColors() {
    return std::string(TAGWRIGHT_SOURCE_DIR) + "/data/Data/Colors.txt";
}

void BM_HtmlScanAllTags(benchmark::State& state) {
    const std::string& text = corpus();
    if (text.size() < kCorpusBytes) {
        state.SkipWithError("corpus of real pages not found");
        return;
    }
    size_t tags = 0;
    size_t arguments = 0;
    for (auto _ : state) {
        CTagScanner scanner(text);
        CTagToken token;
        while (scanner.NextTag(token)) {
            ++tags;
            arguments += token.arguments.size();
        }
        benchmark::DoNotOptimize(arguments);
    }
    state.counters["tags"] = static_cast<double>(tags / state.iterations());
    state.counters["arguments"] = static_cast<double>(arguments / state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_HtmlScanAllTags)->Unit(benchmark::kMillisecond);

void BM_HtmlScanTokensByValue(benchmark::State& state) {
    const std::string& text = corpus();
    for (auto _ : state) {
        CTagScanner scanner(text);
        size_t count = 0;
        while (std::optional<CTagToken> token = scanner.NextTag())
            count += token->arguments.size() + 1;
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_HtmlScanTokensByValue)->Unit(benchmark::kMillisecond);

void BM_HtmlLoadDefaultTagData(benchmark::State& state) {
    if (!std::filesystem::exists(defaultTags())) {
        state.SkipWithError("data/Data/Tags.txt not found");
        return;
    }
    for (auto _ : state) {
        CTagData data;
        TagDataLoadResult result = data.LoadTagData(defaultTags(), defaultColors());
        benchmark::DoNotOptimize(result);
        state.counters["tags"] = static_cast<double>(data.tags().size());
    }
}
BENCHMARK(BM_HtmlLoadDefaultTagData)->Unit(benchmark::kMillisecond);

class NullSink : public ICheckSink {
public:
    void addLine(const CErrorLine& line) override { lines += line.error ? 1 : 0; }
    size_t lines = 0;
};

void BM_HtmlCheckDocument(benchmark::State& state) {
    CTagData data;
    if (!data.LoadTagData(defaultTags(), defaultColors()).ok()) {
        state.SkipWithError("default tag data not found");
        return;
    }
    const std::string& text = corpus();
    for (auto _ : state) {
        NullSink sink;
        benchmark::DoNotOptimize(CheckDocument(data, "corpus.html", text, sink));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_HtmlCheckDocument)->Unit(benchmark::kMillisecond);

} // namespace
