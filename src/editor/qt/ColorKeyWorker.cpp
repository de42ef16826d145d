#include "editor/qt/ColorKeyWorker.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>

// The hook's time counts to the pass, so that a test can make a pass slow.
std::optional<ColorJobResult> ColorKeyWorker::colour(const RunningJob& running) {
    const ColorJob& job = running.job;
    const auto begin = std::chrono::steady_clock::now();
    if (running.hook)
        running.hook(job);
    std::optional<ColorPassResult> colours =
        job.pass.run(job.snapshot, job.regionStart, running.stop);
    if (!colours)
        return std::nullopt;
    ColorJobResult result;
    result.requestId = job.requestId;
    result.wholeFile = job.wholeFile;
    result.pass = std::move(*colours);
    result.pass.generation = job.generation;
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - begin;
    result.milliseconds = elapsed.count();
    return result;
}

ColorKeyWorker::ColorKeyWorker() : thread_([this] { run(); }) {}

// Request, then wait: a running pass stops at its next check and posts nothing.
ColorKeyWorker::~ColorKeyWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.clear();
        runningStop_.request_stop();
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

std::uint64_t ColorKeyWorker::registerEditor(Receiver receiver) {
    std::uint64_t id = nextEditorId_++;
    receivers_.emplace(id, std::move(receiver));
    return id;
}

void ColorKeyWorker::unregisterEditor(std::uint64_t editorId) {
    receivers_.erase(editorId);
    std::unique_lock lock(mutex_);
    std::erase_if(pending_, [editorId](const ColorJob& job) { return job.editorId == editorId; });
    std::erase_if(results_, [editorId](const auto& done) { return done.first == editorId; });
    if (runningEditor_ != editorId)
        return;
    runningStop_.request_stop();
    passEnded_.wait(lock, [this, editorId] { return runningEditor_ != editorId; });
}

void ColorKeyWorker::request(ColorJob job) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        auto same = std::find_if(pending_.begin(), pending_.end(), [&job](const ColorJob& other) {
            return other.editorId == job.editorId;
        });
        if (same != pending_.end())
            *same = std::move(job);
        else
            pending_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void ColorKeyWorker::setPassHook(std::function<void(const ColorJob&)> hook) {
    std::lock_guard lock(mutex_);
    passHook_ = std::move(hook);
}

void ColorKeyWorker::run() {
    while (std::optional<RunningJob> running = takeJob())
        finishJob(running->job, colour(*running));
}

// Sleeps until a request comes; empty when the worker is stopping.
std::optional<ColorKeyWorker::RunningJob> ColorKeyWorker::takeJob() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
    if (stopping_)
        return std::nullopt;
    RunningJob running{std::move(pending_.front()), {}, passHook_};
    pending_.pop_front();
    runningEditor_ = running.job.editorId;
    runningStop_ = std::stop_source();
    running.stop = runningStop_.get_token();
    return running;
}

// Results travel in a list guarded by the worker's own lock; the posted call
// only tells the UI thread to look, so one call may carry several results.
void ColorKeyWorker::finishJob(const ColorJob& job, std::optional<ColorJobResult> result) {
    {
        std::lock_guard lock(mutex_);
        runningEditor_ = 0;
        if (result && !stopping_ && !runningStop_.stop_requested()) {
            results_.emplace_back(job.editorId, std::move(*result));
            if (!deliveryPosted_) {
                deliveryPosted_ = true;
                QMetaObject::invokeMethod(this, &ColorKeyWorker::deliverResults,
                                          Qt::QueuedConnection);
            }
        }
    }
    passEnded_.notify_all();
}

// A receiver is copied before it is called: it may destroy its editor, and
// with it the registration being called.
void ColorKeyWorker::deliverResults() {
    std::vector<std::pair<std::uint64_t, ColorJobResult>> results;
    {
        std::lock_guard lock(mutex_);
        results.swap(results_);
        deliveryPosted_ = false;
    }
    for (const auto& [editorId, result] : results) {
        auto found = receivers_.find(editorId);
        if (found == receivers_.end())
            continue;
        Receiver receiver = found->second;
        receiver(result);
    }
}
