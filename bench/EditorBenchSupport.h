#pragma once

#include "app/CEditorSettings.h"
#include "editor/qt/CMyEditBox.h"
#include "editor/qt/ColorKeyWorker.h"
#include "editor/qt/EditorColorizer.h"
#include "html/CTagData.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

// What the editor widget's benchmarks share: one application object for the
// whole benchmark program, and a text of real pages.
namespace EditorBench {

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The example site's pages one after another until the text has bytes bytes:
// real markup with its real mix of tags, arguments, values and text.
inline std::string siteText(std::size_t bytes = 1'000'000) {
    const std::filesystem::path site =
        std::filesystem::path(TAGWRIGHT_SOURCE_DIR) / "examples" / "site";
    std::string pages;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(site)) {
        if (entry.path().extension() == ".html") {
            pages += readFile(entry.path());
        }
    }
    std::string text;
    while (text.size() < bytes && !pages.empty()) {
        text += pages;
    }
    text.resize(bytes);
    return text;
}

// One QApplication for every benchmark of the program, made on first use.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "tagwright_ui_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// A full-HD text area over a megabyte of real pages, coloured, with the
// shipped tag data; settings are as the caller sets them before it is built.
struct Editor {
    static constexpr int ViewWidth = 1920;
    static constexpr int ViewHeight = 1080;

    ColorKeyWorker worker;
    CTagData tags;
    CEditorSettings settings;
    std::unique_ptr<CMyEditBox> box;
    QImage image;

    explicit Editor(const CEditorSettings& chosen) : settings(chosen) {
        application();
        const std::filesystem::path data =
            std::filesystem::path(TAGWRIGHT_SOURCE_DIR) / "data" / "Data";
        tags.LoadTagData((data / "Tags.txt").string(), (data / "Colors.txt").string());
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
        showOnScreen();
    }

    void waitForColouring() {
        while (box->colorizer().isBusy()) {
            // Sleeps until the worker's result arrives instead of spinning
            // against it for the two cores.
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    // Puts the caret at offset and shows it; the scroll repaints everything
    // once, before anything is timed.
    void placeCaret(int offset) {
        box->SelectAndShow(offset, offset);
        box->Refresh(); // as every caller does after it
        showUpdates();
    }

    // Times key typed until the view is repainted, and coloured when
    // colouring while editing is on; the character is taken back between
    // runs, outside the timing. typed(), untimed, says whether the
    // keystroke did what the benchmark is about; false ends the run.
    template <typename Typed>
    void typeAndTakeBack(benchmark::State& state, Qt::Key key, Typed typed) {
        const bool colouring = settings.Editing[CEditorSettings::ColorKeyWhileEditing] != 0;
        double paintedRows = 0;
        for (auto _ : state) {
            QTest::keyClick(box.get(), key);
            if (colouring)
                waitForColouring();
            paintedRows += showUpdates() / box->lineHeight();
            state.PauseTiming();
            if (!typed()) {
                state.SkipWithError("the keystroke did not do what was timed");
                break;
            }
            QTest::keyClick(box.get(), Qt::Key_Backspace);
            if (colouring)
                waitForColouring();
            showUpdates();
            state.ResumeTiming();
        }
        state.counters["paintedRows"] =
            benchmark::Counter(paintedRows, benchmark::Counter::kAvgIterations);
    }

    void typeAndTakeBack(benchmark::State& state, Qt::Key key) {
        typeAndTakeBack(state, key, [] { return true; });
    }

    // The text area (and whatever shows over it) as the screen shows it.
    void paint() { box->viewport()->render(&image); }

    // Paints what the editor asked to be repainted, as the next frame on
    // the screen would: only the changed rows go through the painter.
    // Returns the height of the text area painted since the last call, in
    // pixels, also by paints that sending the keys let happen.
    int showUpdates() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        return std::exchange(paintedHeight.height, 0);
    }

private:
    struct PaintCounter : QObject {
        int height = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                height += static_cast<QPaintEvent*>(event)->region().boundingRect().height();
            return false;
        }
    };

    // The window's first paint is over before anything is timed.
    void showOnScreen() {
        (void)QTest::qWaitForWindowExposed(box.get());
        box->viewport()->installEventFilter(&paintedHeight);
        showUpdates();
    }

    PaintCounter paintedHeight;
};

} // namespace EditorBench
