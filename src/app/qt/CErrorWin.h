#pragma once

#include "app/qt/CommandRows.h"
#include "app/qt/ICommandTarget.h"
#include "html/CheckFilesResult.h"

#include <QWidget>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CheckWorker;
class CTagData;
class ErrorLogLines;
class ErrorLogModel;
class QListView;
struct CErrorLine;

// The "Error Log" window of one check run: the files it checks, a list of
// the log lines filling the window, and the worker that produces them. The
// line records are shared with the marks laid from them, so they outlive
// the window while a document still shows its errors.
class CErrorWin : public QWidget, public ICommandTarget {
    Q_OBJECT

public:
    explicit CErrorWin(std::vector<std::string> files, QWidget* parent = nullptr);
    ~CErrorWin() override;

    static const CommandRows<CErrorWin>& commandRows();
    static bool handlesCommand(int id);

    const std::vector<std::string>& files() const { return files_; }
    const std::shared_ptr<ErrorLogLines>& lines() const { return lines_; }
    QListView* list() const { return list_; }

    void AddErrorLine(const std::string& message, int start, int end, const std::string& path);
    void appendLines(const std::vector<CErrorLine>& lines);

    // Checks the files on a worker; the lines arrive as it finds them.
    void startCheck(const CTagData& tagData);
    bool isChecking() const;

    std::optional<std::size_t> currentRow() const;
    // Makes row the current, selected line and scrolls it into sight.
    // shown says whether its place has been shown in the text yet: Next
    // Error goes to a current line not yet shown before it moves on.
    void setCurrentRow(std::size_t row, bool shown = true);
    bool isCurrentShown() const { return currentShown_; }
    void setCurrentShown() { currentShown_ = true; }

    bool commandState(int id, CommandState& state) override;
    bool runCommand(int id) override;

signals:
    // A double click or Return on a line.
    void lineChosen(std::size_t row);
    void linesAdded();
    void checkFinished(const CheckFilesResult& result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseCurrent();

    std::vector<std::string> files_;
    std::shared_ptr<ErrorLogLines> lines_;
    ErrorLogModel* model_;
    QListView* list_;
    std::unique_ptr<CheckWorker> worker_;
    bool currentShown_ = true;
};
