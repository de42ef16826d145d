#pragma once

#include "html/CErrorLine.h"
#include "html/CheckFilesResult.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class CTagData;
class ICheckSink;

// Checks a list of files on several threads at once and hands the sink
// exactly what checking them one after another in order would: each file's
// lines, in the files' order, all on the caller's thread. Files are read and
// checked ahead of the one being handed over, at most a few per thread, so
// that a long list is never held in memory whole.
class ParallelFileCheck {
public:
    // Asked before each file is handed over; true stops the run there.
    using StopRequested = std::function<bool()>;

    ParallelFileCheck(const CTagData& tagData, const std::vector<std::string>& paths,
                      unsigned threads);

    CheckFilesResult run(ICheckSink& sink, const StopRequested& stopRequested);

private:
    // What a worker leaves for the caller's thread.
    struct CheckedFile {
        bool done = false;
        std::optional<std::string> text;
        std::string failedReason;
        std::vector<CErrorLine> lines;
        int errors = 0;
    };

    void work();
    std::optional<std::size_t> takeNext();
    void check(std::size_t index, CheckedFile& file) const;
    CheckedFile waitFor(std::size_t index);
    void handedOver(std::size_t index);
    void stopWorkers();

    const CTagData& tagData_;
    const std::vector<std::string>& paths_;
    const unsigned threads_;
    const std::size_t ahead_; // files checked but not yet handed over, at most

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<CheckedFile> files_;
    std::size_t next_ = 0;       // the next file a worker takes
    std::size_t handedOver_ = 0; // files the caller has finished with
    bool stopping_ = false;
};
