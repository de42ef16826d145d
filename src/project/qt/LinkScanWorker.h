#pragma once

#include "app/LinkScan.h"

#include <QObject>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class CTagData;
class LinkList;

// Scans a list of files for links on a thread of its own, with its own
// copy of the list and the read-only tag model, and hands the whole result
// to the thread that owns this object: the links, which of them name a
// missing local target, and how the scan ended. Destroying it asks the
// thread to stop before the next file and waits for it; nothing it sent
// afterwards is delivered.
class LinkScanWorker : public QObject {
    Q_OBJECT

public:
    LinkScanWorker(const CTagData& tagData, std::vector<std::string> files, std::string base,
                   QObject* parent = nullptr);
    ~LinkScanWorker() override;
    LinkScanWorker(const LinkScanWorker&) = delete;
    LinkScanWorker& operator=(const LinkScanWorker&) = delete;

    void start();
    // From start until finished has been delivered.
    bool isRunning() const { return running_; }

signals:
    // Before file index is read.
    void progress(int index);
    void finished(std::shared_ptr<LinkList> links, std::vector<bool> missing,
                  LinkScanResult result);

private:
    void run();

    const CTagData& tagData_;
    const std::vector<std::string> files_;
    const std::string base_;
    std::thread thread_;
    std::atomic<bool> stopRequested_{false};
    bool running_ = false;
};
