#include "EditorBenchSupport.h"
#include "app/CEditorSettings.h"
#include "editor/qt/CMyEditBox.h"
#include "editor/qt/ColorKeyWorker.h"
#include "editor/qt/EditorColorizer.h"
#include "html/CTagData.h"
#include "html/qt/CodeHelper.h"
#include "html/qt/ListWindow.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

using EditorBench::application;
using EditorBench::siteText;

CEditorSettings helpedWhileTyping() {
    CEditorSettings settings;
    settings.Editing[CEditorSettings::CodeHelperAutomatic] = 1;
    settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 1;
    return settings;
}

// The editor of the other benchmarks, its CodeHelper opening after each
// typed character and colouring while editing on.
struct HelpedEditor : EditorBench::Editor {
    CodeHelper* helper;

    HelpedEditor() : Editor(helpedWhileTyping()), helper(new CodeHelper(*box, tags, {})) {
        box->setCodeHelper(helper);
    }
};

// Times key typed until the list shows and the view is repainted; the
// character is taken back between runs, outside the timing.
void typeUntilShown(benchmark::State& state, HelpedEditor& e, Qt::Key key) {
    double paintedRows = 0;
    for (auto _ : state) {
        QTest::keyClick(e.box.get(), key);
        e.waitForColouring();
        paintedRows += e.showUpdates() / e.box->lineHeight();
        state.PauseTiming();
        if (!e.helper->listWindow().isVisible()) {
            state.SkipWithError("the list did not open");
            break;
        }
        QTest::keyClick(e.box.get(), Qt::Key_Backspace);
        e.waitForColouring();
        e.showUpdates();
        state.ResumeTiming();
    }
    state.counters["paintedRows"] =
        benchmark::Counter(paintedRows, benchmark::Counter::kAvgIterations);
}

HelpedEditor& editor() {
    static HelpedEditor instance;
    return instance;
}

// A letter typed into a tag name in the middle of the page: the list of
// every tag opens, the line is coloured again and the view repainted.
void BM_TypedCharacterWithCodeHelperUntilShownAndRepainted(benchmark::State& state) {
    HelpedEditor& e = editor();
    const std::string& text = e.box->model().text();
    const int caret = static_cast<int>(text.find("<t", text.size() / 2)) + 2;
    e.box->SelectAndShow(caret, caret);
    e.box->Refresh(); // as every caller does after it
    e.showUpdates();  // the scroll repaints everything once, untimed
    typeUntilShown(state, e, Qt::Key_A);
}
BENCHMARK(BM_TypedCharacterWithCodeHelperUntilShownAndRepainted)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same on the UI thread alone, colouring left out: what the CodeHelper
// adds to a keystroke.
void BM_TypedCharacterWithCodeHelperWithoutColouring(benchmark::State& state) {
    HelpedEditor& e = editor();
    e.settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 0;
    const std::string& text = e.box->model().text();
    const int caret = static_cast<int>(text.find("<t", text.size() / 2)) + 2;
    e.box->SelectAndShow(caret, caret);
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
    e.settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 1;
}
BENCHMARK(BM_TypedCharacterWithCodeHelperWithoutColouring)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// "</" at the end of the page: the closing-tag walk runs on the UI thread.
void BM_TypedClosingSlashAtTheEndUntilShownAndRepainted(benchmark::State& state) {
    HelpedEditor& e = editor();
    const int end = e.box->model().length();
    e.box->SelectAndShow(end, end);
    e.box->Refresh(); // as every caller does after it
    e.showUpdates();  // the scroll repaints everything once, untimed
    QTest::keyClick(e.box.get(), Qt::Key_Less);
    e.waitForColouring();
    typeUntilShown(state, e, Qt::Key_Slash);
}
BENCHMARK(BM_TypedClosingSlashAtTheEndUntilShownAndRepainted)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
