#pragma once

#include "html/ICheckSink.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

// Gathers the lines of a check into batches for a window that shows them
// while the check goes on: a batch is handed over when it is full, when a
// file's separator line ends it, or when the oldest line in it has waited
// longer than maxWait, so that neither a long file nor many small files
// keep the window empty.
class CheckLineBatcher : public ICheckSink {
public:
    using Deliver = std::function<void(std::vector<CErrorLine> batch)>;

    CheckLineBatcher(Deliver deliver, std::size_t maxLines, std::chrono::milliseconds maxWait);

    void addLine(const CErrorLine& line) override;
    // Hands over what is left.
    void flush();

private:
    using Clock = std::chrono::steady_clock;

    Deliver deliver_;
    std::size_t maxLines_;
    std::chrono::milliseconds maxWait_;
    std::vector<CErrorLine> batch_;
    Clock::time_point batchStarted_;
};
