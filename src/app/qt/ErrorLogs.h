#pragma once

#include "app/qt/CommandRows.h"
#include "app/qt/ICommandTarget.h"

#include <QObject>
#include <cstddef>
#include <string>
#include <vector>

class CChildWin;
class CEditorApp;
class CErrorWin;
class CMainWin;
class IPlatformServices;
struct CheckFilesResult;

// The main window's checking: Check Code, the runs that fill Error Log
// windows, the marks they lay into documents, and the way from a log line
// to its place in the text.
class ErrorLogs : public QObject, public ICommandTarget {
    Q_OBJECT

public:
    ErrorLogs(CEditorApp& app, CMainWin& frame, IPlatformServices& services);

    // Opens a new Error Log for the full paths, starts checking them and
    // brings the log to the top. Check Code, Check Project and Check File
    // all start here.
    CErrorWin* startRun(std::vector<std::string> paths);
    // Saves the active document, then checks it; nothing happens when the
    // save is cancelled or fails.
    void checkCode();

    // Every open Error Log whose run is over lays its marks into document.
    void layMarksInto(CChildWin& document);
    // Opens the file of the log's line and selects the line's span there.
    void showLine(CErrorWin& log, std::size_t row);
    // The newest open Error Log with a line about a place in path.
    CErrorWin* latestAbout(const std::string& path) const;
    // Moves to the next (direction 1) or previous (-1) error of document in
    // that log, going round at the ends.
    void stepError(CChildWin& document, int direction);

    static const CommandRows<ErrorLogs>& commandRows();

    bool commandState(int id, CommandState& state) override;
    bool runCommand(int id) override;

private:
    std::vector<CErrorWin*> openLogs() const;
    void finishRun(CErrorWin& log, const CheckFilesResult& result);
    void layMarks(CErrorWin& log, CChildWin& document);
    void bringToTop(QWidget& child);

    CEditorApp& app_;
    CMainWin& frame_;
    IPlatformServices& services_;
};
