#include "html/qt/CheckWorker.h"

#include "html/CheckLineBatcher.h"
#include "html/CodeChecker.h"

#include <chrono>

namespace {

// Small enough that the first lines show at once and no batch keeps the
// window busy for long; large enough that a log of many thousand lines
// arrives in few steps.
constexpr std::size_t kBatchLines = 1000;
constexpr std::chrono::milliseconds kBatchWait(40);

} // namespace

CheckWorker::CheckWorker(const CTagData& tagData, std::vector<std::string> paths, QObject* parent)
    : QObject(parent), tagData_(tagData), paths_(std::move(paths)) {}

CheckWorker::~CheckWorker() {
    stopRequested_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CheckWorker::start() {
    if (running_ || thread_.joinable()) {
        return;
    }
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

// The run asks before each file whether the window still wants it, so that
// a closed window stops it before the next file rather than after the list.
void CheckWorker::run() {
    CheckLineBatcher batcher([this](std::vector<CErrorLine> lines) { post(std::move(lines)); },
                             kBatchLines, kBatchWait);
    const CheckFilesResult total =
        CheckFiles(tagData_, paths_, batcher, [this] { return stopRequested_.load(); });
    batcher.flush();
    postFinished(total);
}

void CheckWorker::post(std::vector<CErrorLine> lines) {
    QMetaObject::invokeMethod(
        this, [this, lines = std::move(lines)] { emit linesReady(lines); }, Qt::QueuedConnection);
}

void CheckWorker::postFinished(const CheckFilesResult& result) {
    QMetaObject::invokeMethod(
        this,
        [this, result] {
            if (thread_.joinable()) {
                thread_.join();
            }
            running_ = false;
            emit finished(result);
        },
        Qt::QueuedConnection);
}
