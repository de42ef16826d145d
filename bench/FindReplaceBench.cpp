#include "editor/FindReplace.h"
#include "editor/TagInsertion.h"
#include "editor/TextTransforms.h"
#include "html/CTagData.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// A document of about one megabyte: nested blocks of short paragraphs, so
// that searches have many matches and Smart Tabs has real nesting.
std::string document() {
    std::string text;
    const std::string block = "<DIV>\n<P>Some text with a word in it.\n<B>word</B>\n</DIV>\n";
    while (text.size() + block.size() < 1'000'000) {
        text += block;
    }
    return text;
}

TextModel modelWith(const std::string& text) {
    TextModel model;
    model.ReplaceRange(0, 0, text);
    return model;
}

void BM_FindNextToTheEnd(benchmark::State& state) {
    TextModel model = modelWith(document());
    const bool caseSensitive = state.range(0) != 0;
    for (auto _ : state) {
        model.SetSelection(0, 0);
        int found = 0;
        while (FindReplace::FindText(model, "word in", +1, caseSensitive)) {
            ++found;
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindNextToTheEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MarkAll(benchmark::State& state) {
    const std::string text = document();
    for (auto _ : state) {
        state.PauseTiming();
        TextModel model = modelWith(text);
        state.ResumeTiming();
        benchmark::DoNotOptimize(FindReplace::MarkAll(model, "word", false));
    }
}
BENCHMARK(BM_MarkAll)->Unit(benchmark::kMillisecond);

// Every replacement is an undo step that moves the rest of the text, so the
// cost grows with matches times document length; 1000 matches is a large
// but realistic edit.
void BM_ReplaceAllThousandMatches(benchmark::State& state) {
    std::string text = document();
    std::size_t seen = 0;
    for (std::size_t at = text.find("<B>"); at != std::string::npos;
         at = text.find("<B>", at + 1)) {
        if (++seen > 1000) {
            text[at + 1] = 'I';
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        TextModel model = modelWith(text);
        state.ResumeTiming();
        benchmark::DoNotOptimize(FindReplace::ReplaceAll(model, "<B>", "<STRONG>", true));
    }
}
BENCHMARK(BM_ReplaceAllThousandMatches)->Unit(benchmark::kMillisecond);

void BM_SmartTabsWholeDocument(benchmark::State& state) {
    CTagData tags;
    tags.loadFromText("DIV\n{\n}\nP\n{\n(OPEN)\n}\nB\n{\n}\n", "");
    const std::string text = document();
    for (auto _ : state) {
        state.PauseTiming();
        TextModel model = modelWith(text);
        model.SelectAll();
        state.ResumeTiming();
        benchmark::DoNotOptimize(TextTransforms::SmartTabs(model, tags));
    }
}
BENCHMARK(BM_SmartTabsWholeDocument)->Unit(benchmark::kMillisecond);

void BM_UpperCaseWholeDocument(benchmark::State& state) {
    const std::string text = document();
    for (auto _ : state) {
        state.PauseTiming();
        TextModel model = modelWith(text);
        model.SelectAll();
        state.ResumeTiming();
        benchmark::DoNotOptimize(TextTransforms::UpperCase(model));
    }
}
BENCHMARK(BM_UpperCaseWholeDocument)->Unit(benchmark::kMillisecond);

} // namespace
