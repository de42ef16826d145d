#pragma once

#include "html/CErrorLine.h"
#include "html/CheckFilesResult.h"

#include <QObject>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

class CTagData;

// Checks a list of files on a thread of its own, with its own copy of the
// paths and the read-only tag model, and hands the log lines to the thread
// that owns this object in batches, so that the window fills while a large
// project is checked. Destroying it asks the thread to stop before the next
// file and waits for it; nothing it sent afterwards is delivered.
class CheckWorker : public QObject {
    Q_OBJECT

public:
    CheckWorker(const CTagData& tagData, std::vector<std::string> paths, QObject* parent = nullptr);
    ~CheckWorker() override;
    CheckWorker(const CheckWorker&) = delete;
    CheckWorker& operator=(const CheckWorker&) = delete;

    void start();
    // From start until finished has been delivered.
    bool isRunning() const { return running_; }

signals:
    void linesReady(const std::vector<CErrorLine>& lines);
    // After the last batch; result says whether a file could not be read.
    void finished(const CheckFilesResult& result);

private:
    void run();
    void post(std::vector<CErrorLine> lines);
    void postFinished(const CheckFilesResult& result);

    const CTagData& tagData_;
    const std::vector<std::string> paths_;
    std::thread thread_;
    std::atomic<bool> stopRequested_{false};
    bool running_ = false;
};
