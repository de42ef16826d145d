#include "html/CTagData.h"
#include "html/ClosingTagPrefix.h"
#include "html/CodeHelperChoice.h"
#include "html/CodeHelperList.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr size_t PageBytes = 1'000'000;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The example site's pages one after another up to a megabyte: real markup,
// its pairs closed as a real page closes them.
const std::string& page() {
    static const std::string text = [] {
        std::string pages;
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(TAGWRIGHT_SOURCE_DIR) / "examples/site")) {
            if (entry.path().extension() == ".html") {
                pages += readFile(entry.path());
            }
        }
        std::string all;
        while (all.size() < PageBytes && !pages.empty()) {
            all += pages;
        }
        all.resize(PageBytes);
        return all;
    }();
    return text;
}

const CTagData& tagData() {
    static const CTagData tags = [] {
        CTagData data;
        const fs::path dir = fs::path(TAGWRIGHT_SOURCE_DIR) / "data/Data";
        data.LoadTagData((dir / "Tags.txt").string(), (dir / "Colors.txt").string());
        return data;
    }();
    return tags;
}

// "</" typed at the end of the page: the walk back to the tag left open.
void BM_ClosingTagPrefixFromTheEndOfAPage(benchmark::State& state) {
    const std::string text = page() + "</";
    const int caret = static_cast<int>(text.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ClosingTagPrefix(text, caret));
    }
}
BENCHMARK(BM_ClosingTagPrefixFromTheEndOfAPage)->Unit(benchmark::kMicrosecond);

// The worst case: a full document whose only tag is at its very start.
void BM_ClosingTagPrefixOverAFullDocumentOfText(benchmark::State& state) {
    const std::string text = "<body>" + std::string(1'048'560, 'x') + "</";
    const int caret = static_cast<int>(text.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ClosingTagPrefix(text, caret));
    }
}
BENCHMARK(BM_ClosingTagPrefixOverAFullDocumentOfText)->Unit(benchmark::kMicrosecond);

// Nothing but closing tags: every one deepens the walk, none ends it.
void BM_ClosingTagPrefixOverAMegabyteOfClosingTags(benchmark::State& state) {
    std::string text;
    while (text.size() < 1'048'000) {
        text += "</b>";
    }
    text += "</";
    const int caret = static_cast<int>(text.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ClosingTagPrefix(text, caret));
    }
}
BENCHMARK(BM_ClosingTagPrefixOverAMegabyteOfClosingTags)->Unit(benchmark::kMicrosecond);

// The whole choice for a tag name typed in the middle of the page: every tag
// of the vocabulary listed, sorted and the typed one selected.
void BM_ChooseTagNamesInTheMiddleOfAPage(benchmark::State& state) {
    const std::string& text = page();
    const int caret = static_cast<int>(text.find("<t", text.size() / 2)) + 2;
    CodeHelperList list;
    for (auto _ : state) {
        ChooseCodeHelperEntries(tagData(), CodeHelperContext{text, caret, caret, {}}, list);
        benchmark::DoNotOptimize(list.selected());
    }
    state.counters["entries"] = static_cast<double>(list.entries().size());
}
BENCHMARK(BM_ChooseTagNamesInTheMiddleOfAPage)->Unit(benchmark::kMicrosecond);

// A link value with a project of 5,000 files.
void BM_ChooseLinkValuesFromFiveThousandFiles(benchmark::State& state) {
    std::vector<std::string> links;
    for (int i = 0; i < 5000; ++i) {
        links.push_back("pages/section" + std::to_string(i % 50) + "/p" + std::to_string(i) +
                        ".html");
    }
    const std::string text = "<a href=\"pages/sec";
    const int caret = static_cast<int>(text.size());
    CodeHelperList list;
    for (auto _ : state) {
        ChooseCodeHelperEntries(
            tagData(), CodeHelperContext{text, caret, caret, [&links] { return links; }}, list);
        benchmark::DoNotOptimize(list.selected());
    }
    state.counters["entries"] = static_cast<double>(list.entries().size());
}
BENCHMARK(BM_ChooseLinkValuesFromFiveThousandFiles)->Unit(benchmark::kMicrosecond);

} // namespace
