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
    e.placeCaret(e.box->model().length() / 2);
    e.typeAndTakeBack(state, Qt::Key_A);
}
BENCHMARK(BM_TypedCharacterUntilRepainted)->Unit(benchmark::kMillisecond)->UseRealTime();

// The typed character's share on the UI thread alone, colouring left out.
void BM_TypedCharacterWithoutColouring(benchmark::State& state) {
    Editor& e = editor();
    e.settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 0;
    e.placeCaret(e.box->model().length() / 2);
    e.typeAndTakeBack(state, Qt::Key_A);
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
    e.placeCaret(model.length());
    QTest::keyClick(e.box.get(), Qt::Key_End);
    e.showUpdates();
    e.typeAndTakeBack(state, Qt::Key_A);
    state.counters["scrolled"] = e.box->horizontalScroll();
}
BENCHMARK(BM_TypedCharacterAtTheEndOfAOneLineMegabyte)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
