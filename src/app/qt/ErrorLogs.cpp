#include "app/qt/ErrorLogs.h"

#include "app/CommandIds.h"
#include "app/ErrorLogLines.h"
#include "app/FileFailure.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CErrorWin.h"
#include "app/qt/CMainWin.h"
#include "app/qt/CommandRegistry.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/IPlatformServices.h"
#include "editor/qt/CMyEditBox.h"
#include "html/CheckFilesResult.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

void selectSpan(CChildWin& document, int start, int end) {
    CMyEditBox& editor = document.editor();
    editor.setFocus();
    editor.SelectAndShow(start, end);
    editor.Refresh();
}

} // namespace

ErrorLogs::ErrorLogs(CEditorApp& app, CMainWin& frame, IPlatformServices& services)
    : app_(app), frame_(frame), services_(services) {}

std::vector<CErrorWin*> ErrorLogs::openLogs() const {
    std::vector<CErrorWin*> logs;
    for (const auto& [window, kind] : frame_.windowList()) {
        if (auto* log = qobject_cast<CErrorWin*>(window); log != nullptr) {
            logs.push_back(log);
        }
    }
    return logs;
}

void ErrorLogs::bringToTop(QWidget& child) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(child.parentWidget())) {
        frame_.mdiArea()->setActiveSubWindow(sub);
        sub->raise();
    }
}

CErrorWin* ErrorLogs::startRun(std::vector<std::string> paths) {
    auto* log = new CErrorWin(std::move(paths));
    connect(log, &CErrorWin::lineChosen, this,
            [this, log](std::size_t row) { showLine(*log, row); });
    // The error-walking commands depend on what the logs hold.
    connect(log, &CErrorWin::linesAdded, &frame_.commands(), &CommandRegistry::scheduleRefresh);
    connect(log, &CErrorWin::checkFinished, this,
            [this, log](const CheckFilesResult& result) { finishRun(*log, result); });
    frame_.addChild(log, CMainWin::kErrorLogKind);
    log->startCheck(app_.tagData());
    bringToTop(*log);
    return log;
}

void ErrorLogs::checkCode() {
    CChildWin* document = frame_.activeDocument();
    if (document == nullptr || !document->saveForCommand()) {
        return;
    }
    startRun({document->path()});
}

// The documents' windows are left where they are; only the log comes to
// the top, as it did when the run started.
void ErrorLogs::finishRun(CErrorWin& log, const CheckFilesResult& result) {
    if (result.ioError) {
        std::string detail = result.failedPath;
        if (!result.failedReason.empty()) {
            detail += "\n\n" + result.failedReason;
        }
        services_.failure(&frame_, QStringLiteral("I/O Error"), QString::fromStdString(detail));
    }
    for (const std::string& path : log.files()) {
        if (CChildWin* document = frame_.documents().findDocument(path)) {
            layMarks(log, *document);
        }
    }
    bringToTop(log);
    frame_.commands().scheduleRefresh();
}

void ErrorLogs::layMarks(CErrorWin& log, CChildWin& document) {
    const std::shared_ptr<ErrorLogLines>& lines = log.lines();
    if (lines->layMarks(document.editor().model(), document.path()) == 0) {
        return;
    }
    document.keepMarkLinks(lines);
    document.editor().ColorKey();
    document.editor().Refresh();
}

// A log still being filled lays its marks when its run ends, into every
// document open then; laying them now as well would lay some twice.
void ErrorLogs::layMarksInto(CChildWin& document) {
    for (CErrorWin* log : openLogs()) {
        if (!log->isChecking()) {
            layMarks(*log, document);
        }
    }
}

void ErrorLogs::showLine(CErrorWin& log, std::size_t row) {
    const std::shared_ptr<ErrorLogLines> lines = log.lines();
    if (row >= lines->size()) {
        return;
    }
    log.setCurrentShown();
    const std::string path = lines->at(row).path();
    if (path.empty()) {
        // The separator line names no file: there is nothing to open.
        services_.failure(&frame_, QStringLiteral("Failed to open file"),
                          QStringLiteral("The line names no file."));
        return;
    }
    CChildWin* document = frame_.documents().OpenFile(path, false);
    if (document == nullptr) {
        return;
    }
    const ErrorLogLine& line = lines->at(row);
    selectSpan(*document, line.spanStart(), line.spanEnd());
}

CErrorWin* ErrorLogs::latestAbout(const std::string& path) const {
    const std::vector<CErrorWin*> logs = openLogs();
    for (auto log = logs.rbegin(); log != logs.rend(); ++log) {
        if ((*log)->lines()->concerns(path)) {
            return *log;
        }
    }
    return nullptr;
}

void ErrorLogs::stepError(CChildWin& document, int direction) {
    CErrorWin* log = latestAbout(document.path());
    if (log == nullptr) {
        return;
    }
    const std::optional<std::size_t> current = log->currentRow();
    const bool showCurrent =
        current && !log->isCurrentShown() && log->lines()->at(*current).path() == document.path();
    const std::optional<std::size_t> row =
        showCurrent ? current : log->lines()->stepTo(document.path(), current, direction);
    if (!row) {
        return;
    }
    log->setCurrentRow(*row);
    const ErrorLogLine& line = log->lines()->at(*row);
    selectSpan(document, line.spanStart(), line.spanEnd());
}

const CommandRows<ErrorLogs>& ErrorLogs::commandRows() {
    static const CommandRows<ErrorLogs> rows = [] {
        std::vector<CommandRow<ErrorLogs>> list;
        for (const int id : {Cmd::CheckCode, Cmd::Check}) {
            list.push_back({id,
                            [](ErrorLogs& logs, int, CommandState& state) {
                                state.enabled = logs.frame_.activeDocument() != nullptr;
                            },
                            [](ErrorLogs& logs, int) { logs.checkCode(); }});
        }
        return CommandRows<ErrorLogs>(std::move(list));
    }();
    return rows;
}

bool ErrorLogs::commandState(int id, CommandState& state) {
    return commandRows().state(*this, id, state);
}

bool ErrorLogs::runCommand(int id) {
    return commandRows().run(*this, id);
}
