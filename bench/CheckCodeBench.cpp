// Check Code on a large page, through the whole program: the save, the new
// Error Log window, the worker, the batches arriving in the list and the
// marks laid afterwards. Reports the time until the last line is in the
// window and the longest stretch in which the window could not react (the
// longest gap between ticks of a timer set to 5 ms). On a shared machine a
// gap also grows while other programs have the processor, so the longest
// stretch of processor time the window's thread spent between two ticks
// is reported beside it: that is the time the program itself held the
// window up.
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CErrorWin.h"
#include "app/qt/CMainWin.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/ErrorLogs.h"
#include "editor/qt/CMyEditBox.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListView>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <string>
#include <time.h>

namespace {

constexpr int kPageBytes = 1'000'000;
constexpr int kErrors = 20'000;
constexpr int kLogLines = kErrors + 4; // two progress lines, the count, the separator

QApplication& application() {
    static int argc = 1;
    static char name[] = "tagwright_check_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// 20,000 lines of 50 bytes, each opening with a tag the vocabulary lacks.
std::string pageWithErrors() {
    const std::string line = "<zorg>" + std::string(43, 't') + "\n";
    std::string page;
    page.reserve(kPageBytes);
    for (int i = 0; i < kErrors; ++i) {
        page += line;
    }
    return page;
}

struct Program {
    Program()
        : app(std::make_unique<QSettings>(dir.filePath(QStringLiteral("Tagwright.conf")),
                                          QSettings::IniFormat)) {
        app.setFoundInstallDir(QStringLiteral(TAGWRIGHT_BUILD_DATA_DIR "/"));
        app.setRecoveryRoot(dir.filePath(QStringLiteral("recovery")));
        app.InitInstance({});
        const std::string path = dir.filePath(QStringLiteral("page.html")).toStdString();
        std::ofstream(path, std::ios::binary) << pageWithErrors();
        document = app.mainWindow()->documents().OpenFile(path, false);
    }

    QTemporaryDir dir;
    CEditorApp app;
    CChildWin* document = nullptr;
};

// The time the calling thread has spent on a processor: unlike the wall
// clock it does not grow while other programs have the processor.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct RunFigures {
    double lastLineMs = 0;
    double longestGapMs = 0;
    double longestBusyMs = 0;
};

RunFigures checkOnce(Program& program) {
    CMainWin& frame = *program.app.mainWindow();
    QEventLoop loop;
    QElapsedTimer clock;
    RunFigures figures;
    qint64 lastTick = 0;
    double lastCpu = threadCpuMs();
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        figures.longestGapMs = std::max(figures.longestGapMs, (now - lastTick) / 1e6);
        lastTick = now;
        const double cpu = threadCpuMs();
        figures.longestBusyMs = std::max(figures.longestBusyMs, cpu - lastCpu);
        lastCpu = cpu;
    });
    clock.start();
    ticker.start();
    frame.errorLogs().checkCode();
    auto* log = qobject_cast<CErrorWin*>(frame.windowList().back().first);
    QObject::connect(log, &CErrorWin::linesAdded, [&] {
        if (log->list()->model()->rowCount() == kLogLines && figures.lastLineMs == 0) {
            figures.lastLineMs = clock.nsecsElapsed() / 1e6;
        }
    });
    QObject::connect(log, &CErrorWin::checkFinished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    loop.exec();
    // The gap the last event left counts too.
    QTimer::singleShot(6, &loop, &QEventLoop::quit);
    loop.exec();
    ticker.stop();

    log->parentWidget()->close();
    program.document->editor().RemoveAllMarks();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return figures;
}

void BM_CheckCodeUntilTheLastLineShows(benchmark::State& state) {
    application();
    Program program;
    if (program.document == nullptr) {
        state.SkipWithError("the page did not open");
        return;
    }
    double longestGap = 0;
    double longestBusy = 0;
    for (auto _ : state) {
        const RunFigures figures = checkOnce(program);
        state.SetIterationTime(figures.lastLineMs / 1e3);
        longestGap = std::max(longestGap, figures.longestGapMs);
        longestBusy = std::max(longestBusy, figures.longestBusyMs);
    }
    state.counters["longest_gap_ms"] = longestGap;
    state.counters["longest_busy_ms"] = longestBusy;
}
BENCHMARK(BM_CheckCodeUntilTheLastLineShows)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
