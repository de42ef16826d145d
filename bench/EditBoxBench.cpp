#include "EditorBenchSupport.h"
#include "app/CEditorSettings.h"
#include "editor/qt/CMyEditBox.h"
#include "editor/qt/ColorKeyWorker.h"
#include "editor/qt/EditorColorizer.h"
#include "html/CTagData.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

using EditorBench::application;
using EditorBench::siteText;

using EditorBench::Editor;

CEditorSettings withoutCodeHelper() {
    CEditorSettings settings;
    settings.Editing[CEditorSettings::CodeHelperAutomatic] = 0;
    return settings;
}

Editor& editor() {
    static Editor instance(withoutCodeHelper());
    return instance;
}

void BM_PaintFullViewAtEndOfFile(benchmark::State& state) {
    Editor& e = editor();
    const int rows = e.box->viewport()->height() / e.box->lineHeight();
    e.box->setTopLine(e.box->model().LineCount() - rows);
    for (auto _ : state) {
        e.paint();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_PaintFullViewAtEndOfFile)->Unit(benchmark::kMillisecond);

void BM_ThumbDragToTheMiddle(benchmark::State& state) {
    Editor& e = editor();
    int position = 500;
    for (auto _ : state) {
        e.box->verticalScrollBar()->setSliderPosition(position);
        e.paint();
        position = position == 500 ? 501 : 500;
    }
}
BENCHMARK(BM_ThumbDragToTheMiddle)->Unit(benchmark::kMillisecond);

void BM_TypedCharacterUntilRepainted(benchmark::State& state) {
    Editor& e = editor();
    e.settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 1;
    const int middle = e.box->model().length() / 2;
    e.box->SelectAndShow(middle, middle);
    e.box->Refresh(); // as every caller does after it
    e.showUpdates();  // the scroll repaints everything once, untimed
    double paintedRows = 0;
    for (auto _ : state) {
        QTest::keyClick(e.box.get(), Qt::Key_A);
        e.waitForColouring();
        paintedRows += e.showUpdates() / e.box->lineHeight();
        state.PauseTiming();
        QTest::keyClick(e.box.get(), Qt::Key_Backspace);
        e.waitForColouring();
        e.showUpdates();
        state.ResumeTiming();
    }
    state.counters["paintedRows"] =
        benchmark::Counter(paintedRows, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TypedCharacterUntilRepainted)->Unit(benchmark::kMillisecond)->UseRealTime();

// The typed character's share on the UI thread alone, colouring left out.
void BM_TypedCharacterWithoutColouring(benchmark::State& state) {
    Editor& e = editor();
    e.settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 0;
    const int middle = e.box->model().length() / 2;
    e.box->SelectAndShow(middle, middle);
    e.box->Refresh(); // as every caller does after it
    e.showUpdates();  // the scroll repaints everything once, untimed
    double paintedRows = 0;
    for (auto _ : state) {
        QTest::keyClick(e.box.get(), Qt::Key_A);
        paintedRows += e.showUpdates() / e.box->lineHeight();
        state.PauseTiming();
        QTest::keyClick(e.box.get(), Qt::Key_Backspace);
        e.showUpdates();
        state.ResumeTiming();
    }
    state.counters["paintedRows"] =
        benchmark::Counter(paintedRows, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TypedCharacterWithoutColouring)->Unit(benchmark::kMillisecond)->UseRealTime();

// A minified page: one line of a megabyte, typed into at its end, where the
// view is scrolled as far right as the line is long.
void BM_TypedCharacterAtTheEndOfAOneLineMegabyte(benchmark::State& state) {
    Editor& e = editor();
    e.settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 0;
    std::string line = siteText();
    std::replace(line.begin(), line.end(), '\n', ' ');
    TextModel& model = e.box->model();
    model.ReplaceRange(0, model.length(), line);
    e.box->SelectAndShow(model.length(), model.length());
    e.box->Refresh(); // as every caller does after it
    e.showUpdates();  // the scroll repaints everything once, untimed
    QTest::keyClick(e.box.get(), Qt::Key_End);
    e.showUpdates();
    double paintedRows = 0;
    for (auto _ : state) {
        QTest::keyClick(e.box.get(), Qt::Key_A);
        paintedRows += e.showUpdates() / e.box->lineHeight();
        state.PauseTiming();
        QTest::keyClick(e.box.get(), Qt::Key_Backspace);
        e.showUpdates();
        state.ResumeTiming();
    }
    state.counters["paintedRows"] =
        benchmark::Counter(paintedRows, benchmark::Counter::kAvgIterations);
    state.counters["scrolled"] = e.box->horizontalScroll();
}
BENCHMARK(BM_TypedCharacterAtTheEndOfAOneLineMegabyte)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
