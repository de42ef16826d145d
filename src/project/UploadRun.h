#pragma once

#include "project/FtpConnection.h"
#include "project/UploadEvent.h"
#include "project/UploadJob.h"
#include "project/UploadState.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where a file goes below the server directory: the sub-directories to
// walk, then its name.
struct RemotePlace {
    std::vector<std::string> directories;
    std::string name;
};

// Nothing for a RelPath that would leave the server directory (".." steps,
// an absolute path) or names no file.
std::optional<RemotePlace> RemotePlaceOf(const std::string& relPath);

// One upload from start to end: connects, enters the server directory
// (creating it when missing), walks each file's sub-directories from there,
// creating the missing ones, sends the file and climbs back. Reports every
// step through the sink, on the calling thread. A lost connection is opened
// again once per loss; cancel stops the file being sent and the rest.
class UploadRun {
public:
    UploadRun(UploadJob job, FtpConnection& connection, UploadSink sink,
              const std::atomic<bool>& cancel);

    void run();

private:
    bool openSession();
    bool sendFile(const UploadItem& item, std::int64_t done);
    bool returnToUploadDirectory();
    bool enterOrCreate(const std::string& directory);
    void uploadFile(std::size_t index);
    void recordUpload(const UploadItem& item, std::optional<std::int64_t> modified);
    void reportProgress(std::int64_t bytes);
    void setPercent(int percent);
    void status(const std::string& text, const std::string& detail = {});
    void report(UploadEvent::Field field, const std::string& text);
    bool cancelled() const { return cancel_.load(); }

    UploadJob job_;
    FtpConnection& connection_;
    UploadSink sink_;
    const std::atomic<bool>& cancel_;
    UploadState state_;
    FtpResult lastResult_ = FtpResult::Ok;
    std::string failure_;
    int depth_ = 0;
    std::int64_t totalBytes_ = 0;
    std::int64_t bytesDone_ = 0;
    int percent_ = -1;
};
