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

// Times key typed until the list shows and the view is repainted.
void typeUntilShown(benchmark::State& state, HelpedEditor& e, Qt::Key key) {
    e.typeAndTakeBack(state, key, [&e] { return e.helper->listWindow().isVisible(); });
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
    e.placeCaret(static_cast<int>(text.find("<t", text.size() / 2)) + 2);
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
    e.placeCaret(static_cast<int>(text.find("<t", text.size() / 2)) + 2);
    typeUntilShown(state, e, Qt::Key_A);
    e.settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 1;
}
BENCHMARK(BM_TypedCharacterWithCodeHelperWithoutColouring)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// "</" at the end of the page: the closing-tag walk runs on the UI thread.
void BM_TypedClosingSlashAtTheEndUntilShownAndRepainted(benchmark::State& state) {
    HelpedEditor& e = editor();
    e.placeCaret(e.box->model().length());
    QTest::keyClick(e.box.get(), Qt::Key_Less);
    e.waitForColouring();
    typeUntilShown(state, e, Qt::Key_Slash);
}
BENCHMARK(BM_TypedClosingSlashAtTheEndUntilShownAndRepainted)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
