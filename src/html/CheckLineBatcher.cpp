#include "html/CheckLineBatcher.h"

CheckLineBatcher::CheckLineBatcher(Deliver deliver, std::size_t maxLines,
                                   std::chrono::milliseconds maxWait)
    : deliver_(std::move(deliver)), maxLines_(maxLines), maxWait_(maxWait) {}

void CheckLineBatcher::addLine(const CErrorLine& line) {
    if (batch_.empty()) {
        batchStarted_ = Clock::now();
    }
    batch_.push_back(line);
    const bool separator = line.message.empty() && line.path.empty();
    if (separator || batch_.size() >= maxLines_ || Clock::now() - batchStarted_ >= maxWait_) {
        flush();
    }
}

void CheckLineBatcher::flush() {
    if (batch_.empty()) {
        return;
    }
    std::vector<CErrorLine> batch;
    batch.swap(batch_);
    batch_.reserve(batch.size());
    deliver_(std::move(batch));
}
