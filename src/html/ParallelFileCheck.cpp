#include "html/ParallelFileCheck.h"

#include "html/CodeChecker.h"
#include "html/FileText.h"
#include "html/ICheckSink.h"

#include <algorithm>
#include <thread>

namespace {

// Keeps a file's lines for the caller's thread.
class RecordingSink : public ICheckSink {
public:
    explicit RecordingSink(std::vector<CErrorLine>& lines) : lines_(lines) {}
    void addLine(const CErrorLine& line) override { lines_.push_back(line); }

private:
    std::vector<CErrorLine>& lines_;
};

} // namespace

ParallelFileCheck::ParallelFileCheck(const CTagData& tagData, const std::vector<std::string>& paths,
                                     unsigned threads)
    : tagData_(tagData), paths_(paths), threads_(std::max(1u, threads)), ahead_(4 * threads_),
      files_(paths.size()) {}

CheckFilesResult ParallelFileCheck::run(ICheckSink& sink, const StopRequested& stopRequested) {
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < threads_; ++i)
        workers.emplace_back([this] { work(); });
    CheckFilesResult result;
    for (std::size_t index = 0; index < paths_.size(); ++index) {
        if (stopRequested && stopRequested())
            break;
        CheckedFile file = waitFor(index);
        if (!file.text) {
            result.ioError = true;
            result.failedPath = paths_[index];
            result.failedReason = std::move(file.failedReason);
            break;
        }
        sink.beginDocument(paths_[index], *file.text);
        for (const CErrorLine& line : file.lines)
            sink.addLine(line);
        sink.addLine(CErrorLine{});
        result.errorCount += file.errors;
        handedOver(index);
    }
    stopWorkers();
    for (std::thread& worker : workers)
        worker.join();
    return result;
}

void ParallelFileCheck::work() {
    while (std::optional<std::size_t> index = takeNext()) {
        CheckedFile file;
        check(*index, file);
        std::lock_guard lock(mutex_);
        file.done = true;
        files_[*index] = std::move(file);
        changed_.notify_all();
    }
}

// The next file, once the caller is near enough to it; empty at the end.
std::optional<std::size_t> ParallelFileCheck::takeNext() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] {
        return stopping_ || next_ >= paths_.size() || next_ < handedOver_ + ahead_;
    });
    if (stopping_ || next_ >= paths_.size())
        return std::nullopt;
    return next_++;
}

void ParallelFileCheck::check(std::size_t index, CheckedFile& file) const {
    file.text = ReadFileText(paths_[index], &file.failedReason);
    if (!file.text)
        return;
    RecordingSink recorder(file.lines);
    file.errors = CheckDocument(tagData_, paths_[index], *file.text, recorder);
}

ParallelFileCheck::CheckedFile ParallelFileCheck::waitFor(std::size_t index) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, index] { return files_[index].done; });
    return std::move(files_[index]);
}

void ParallelFileCheck::handedOver(std::size_t index) {
    std::lock_guard lock(mutex_);
    handedOver_ = index + 1;
    changed_.notify_all();
}

void ParallelFileCheck::stopWorkers() {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    changed_.notify_all();
}
