#include "editor/ColorApply.h"
#include "editor/ColorPass.h"
#include "editor/ColorRegion.h"
#include "editor/ColorResume.h"
#include "editor/TextModel.h"
#include "html/CTagData.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t DocumentBytes = 1'000'000;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The pages to repeat: the file named by TAGWRIGHT_BENCH_HTML, or the
// example site's pages.
std::vector<std::string> sourcePages() {
    std::vector<std::string> pages;
    if (const char* file = std::getenv("TAGWRIGHT_BENCH_HTML")) {
        pages.push_back(readFile(file));
        return pages;
    }
    const fs::path site = TAGWRIGHT_SOURCE_DIR "/examples/site";
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
        if (entry.path().extension() == ".html")
            pages.push_back(readFile(entry.path()));
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

// Real pages, one after another, cut to exactly DocumentBytes.
const std::string& document() {
    static const std::string text = [] {
        std::vector<std::string> pages = sourcePages();
        std::string result;
        result.reserve(DocumentBytes + 4096);
        while (result.size() < DocumentBytes && !pages.empty() && !pages.front().empty()) {
            for (const std::string& page : pages)
                result += page;
        }
        result.resize(std::min(result.size(), DocumentBytes));
        return result;
    }();
    return text;
}

const CTagData& tagData() {
    static const CTagData tags = [] {
        CTagData data;
        data.LoadTagData(TAGWRIGHT_SOURCE_DIR "/data/Data/Tags.txt",
                         TAGWRIGHT_SOURCE_DIR "/data/Data/Colors.txt");
        return data;
    }();
    return tags;
}

void BM_ColorPassWholeFile(benchmark::State& state) {
    const std::string& text = document();
    ColorPassOptions options{state.range(0) != 0, state.range(0) != 0};
    for (auto _ : state) {
        ColorPass pass(tagData(), options);
        auto result = pass.run(text, 0);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ColorPassWholeFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The part that runs on the UI thread: the snapshot copy before the pass and
// writing the colours and marks back after it.
void BM_ColorPassSnapshotAndApply(benchmark::State& state) {
    TextModel model;
    model.ReplaceRange(0, 0, document());
    for (int i = 0; i < 1000; ++i)
        model.AddMark(CMarkRecord{CMarkRecord::KindUser, i * 900, i * 900 + 20, 4, "m", nullptr});
    ColorPassResult result = *ColorPass(tagData(), {}).run(model.text(), 0);
    result.generation = model.generation();
    for (auto _ : state) {
        std::string snapshot = model.text();
        benchmark::DoNotOptimize(snapshot);
        benchmark::DoNotOptimize(ColorApply::applyPass(model, result));
    }
}
BENCHMARK(BM_ColorPassSnapshotAndApply)->Unit(benchmark::kMillisecond);

// The first pass over a document typed in lower case with both upper-case
// options on: every name is rewritten on the UI thread.
void BM_ColorPassApplyUpperCasing(benchmark::State& state) {
    std::string lower = document();
    for (char& c : lower)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    ColorPassResult result = *ColorPass(tagData(), {true, true}).run(lower, 0);
    for (auto _ : state) {
        state.PauseTiming();
        TextModel model;
        model.ReplaceRange(0, 0, lower);
        result.generation = model.generation();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ColorApply::applyPass(model, result));
    }
    state.counters["ranges"] = static_cast<double>(result.upperCase.size());
}
BENCHMARK(BM_ColorPassApplyUpperCasing)->Unit(benchmark::kMillisecond);

// A keystroke in the middle of the document when colouring is local.
void BM_ColorPassRegion(benchmark::State& state) {
    const std::string& text = document();
    int line = ColorRegion::lineCount(text) / 2;
    for (auto _ : state) {
        auto region = ColorRegion::aroundLines(text, line, line);
        std::string snapshot = text.substr(region->start, region->length());
        auto result = ColorPass(tagData(), {}).run(snapshot, region->start);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ColorPassRegion)->Unit(benchmark::kMicrosecond);

// A letter typed in the middle of the document and taken back again, each
// recoloured by resuming the whole-file pass before it and applied.
void BM_ColorResumeTypedCharacter(benchmark::State& state) {
    TextModel model;
    model.ReplaceRange(0, 0, document());
    const ColorPass pass(tagData(), {});
    ColorPassResult whole = *pass.run(model.text(), 0);
    whole.generation = model.generation();
    ColorApply::applyPass(model, whole);
    ColorResume resume;
    resume.reset(whole.resumePoints, model.generation());
    const int middle = static_cast<int>(model.text().find("<p>", model.length() / 2)) + 3;
    int bytes = 0;
    for (auto _ : state) {
        for (const auto& [removed, inserted] : {std::pair{0, "a"}, std::pair{1, ""}}) {
            model.ReplaceRange(middle, middle + removed, inserted);
            std::optional<ColorPassResult> region =
                resume.recolour(pass, model.text(), model.lastChange());
            region->generation = model.generation();
            ColorApply::applyPass(model, *region);
            resume.setGeneration(model.generation());
            bytes += region->regionEnd() - region->regionStart;
        }
    }
    state.counters["regionBytes"] =
        benchmark::Counter(bytes / 2.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ColorResumeTypedCharacter)->Unit(benchmark::kMicrosecond);

} // namespace
