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

namespace fs = std::filesystem;

namespace {

constexpr int ViewWidth = 1920;
constexpr int ViewHeight = 1080;

using EditorBench::application;
using EditorBench::siteText;

struct Editor {
    ColorKeyWorker worker;
    CTagData tags;
    CEditorSettings settings;
    std::unique_ptr<CMyEditBox> box;
    QImage image;

    Editor() {
        application();
        const fs::path data = fs::path(TAGWRIGHT_SOURCE_DIR) / "data" / "Data";
        tags.LoadTagData((data / "Tags.txt").string(), (data / "Colors.txt").string());
        settings.Editing[CEditorSettings::CodeHelperAutomatic] = 0;
        box = std::make_unique<CMyEditBox>(settings, tags, worker);
        box->resize(ViewWidth, ViewHeight);
        box->show();
        // The text area itself, without the scroll bars, is the full view.
        box->resize(2 * ViewWidth - box->viewport()->width(),
                    2 * ViewHeight - box->viewport()->height());
        box->model().ReplaceRange(0, 0, siteText());
        box->ColorKey();
        waitForColouring();
        image = QImage(box->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    }

    void waitForColouring() {
        while (box->colorizer().isBusy()) {
            // Sleeps until the worker's result arrives instead of spinning
            // against it for the two cores.
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    void paint() { box->viewport()->render(&image); }
};

Editor& editor() {
    static Editor instance;
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
    for (auto _ : state) {
        QTest::keyClick(e.box.get(), Qt::Key_A);
        e.waitForColouring();
        e.paint();
        state.PauseTiming();
        QTest::keyClick(e.box.get(), Qt::Key_Backspace);
        e.waitForColouring();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypedCharacterUntilRepainted)->Unit(benchmark::kMillisecond)->UseRealTime();

// The typed character's share on the UI thread alone, colouring left out.
void BM_TypedCharacterWithoutColouring(benchmark::State& state) {
    Editor& e = editor();
    e.settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 0;
    const int middle = e.box->model().length() / 2;
    e.box->SelectAndShow(middle, middle);
    for (auto _ : state) {
        QTest::keyClick(e.box.get(), Qt::Key_A);
        e.paint();
        state.PauseTiming();
        QTest::keyClick(e.box.get(), Qt::Key_Backspace);
        state.ResumeTiming();
    }
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
    QTest::keyClick(e.box.get(), Qt::Key_End);
    for (auto _ : state) {
        QTest::keyClick(e.box.get(), Qt::Key_A);
        e.paint();
        state.PauseTiming();
        QTest::keyClick(e.box.get(), Qt::Key_Backspace);
        state.ResumeTiming();
    }
    state.counters["scrolled"] = e.box->horizontalScroll();
}
BENCHMARK(BM_TypedCharacterAtTheEndOfAOneLineMegabyte)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
