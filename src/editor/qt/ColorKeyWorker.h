#pragma once

#include "editor/ColorPass.h"
#include "editor/ColorPassResult.h"

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

// One colouring request: a copy of the text (or of one region of it) and
// everything the pass needs, so the worker never looks at an editor.
struct ColorJob {
    explicit ColorJob(ColorPass colorPass) : pass(std::move(colorPass)) {}

    std::uint64_t editorId = 0;
    std::uint64_t requestId = 0;
    bool wholeFile = false;
    std::string snapshot;
    int regionStart = 0;
    std::uint64_t generation = 0;
    ColorPass pass; // carries the options and what it needs of the tag data
};

struct ColorJobResult {
    std::uint64_t requestId = 0;
    bool wholeFile = false;
    ColorPassResult pass;
    double milliseconds = 0; // duration of the pass itself
};

// The application's one colouring thread. It sleeps until a request comes,
// colours snapshots one after another and hands each result back to the UI
// thread, where the editor that asked decides whether it still fits its text.
// Every public function is called on the UI thread.
class ColorKeyWorker : public QObject {
    Q_OBJECT

public:
    using Receiver = std::function<void(const ColorJobResult&)>;

    // The application object owns the one worker and hands it to every
    // editor. The thread starts here and is stopped, woken and joined by the
    // destructor.
    ColorKeyWorker();
    ~ColorKeyWorker() override;

    // Results for the returned id go to receiver until unregisterEditor.
    std::uint64_t registerEditor(Receiver receiver);
    // Drops the editor's waiting request and, if its pass is running, stops
    // it and waits for it, so nothing the pass reads may vanish under it.
    void unregisterEditor(std::uint64_t editorId);

    // Replaces the editor's waiting request, if any. A request made while
    // the editor's pass runs waits for its own pass.
    void request(ColorJob job);

    // Called on the worker thread as each pass begins (its time counts to
    // the pass); lets tests watch the requests and hold a pass while they edit.
    void setPassHook(std::function<void(const ColorJob&)> hook);

private:
    void run();
    struct RunningJob {
        ColorJob job;
        std::stop_token stop;
        std::function<void(const ColorJob&)> hook;
    };

    std::optional<RunningJob> takeJob();
    static std::optional<ColorJobResult> colour(const RunningJob& running);
    void finishJob(const ColorJob& job, std::optional<ColorJobResult> result);
    void deliverResults();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable passEnded_;
    std::deque<ColorJob> pending_; // at most one per editor, in request order
    std::uint64_t runningEditor_ = 0;
    std::stop_source runningStop_;
    bool stopping_ = false;
    std::function<void(const ColorJob&)> passHook_;
    // Finished passes waiting for the UI thread, and whether it was told.
    std::vector<std::pair<std::uint64_t, ColorJobResult>> results_;
    bool deliveryPosted_ = false;

    // UI thread only.
    std::unordered_map<std::uint64_t, Receiver> receivers_;
    std::uint64_t nextEditorId_ = 1;

    std::thread thread_;
};
