#include "editor/qt/EditorColorizer.h"

#include "app/CEditorSettings.h"
#include "editor/ColorApply.h"
#include "editor/ColorRegion.h"
#include "editor/TextModel.h"
#include "editor/qt/ColorKeyWorker.h"

#include <algorithm>

namespace {

// A whole-file pass faster than this keeps automatic colouring whole-file.
constexpr double LocalColouringThresholdMs = 100;

} // namespace

EditorColorizer::EditorColorizer(TextModel& model, const CTagData& tags,
                                 const CEditorSettings& settings, ColorKeyWorker& worker,
                                 QObject* parent)
    : QObject(parent), model_(model), tags_(tags), settings_(settings), worker_(&worker) {
    if (worker_ != nullptr)
        editorId_ =
            worker_->registerEditor([this](const ColorJobResult& result) { applyResult(result); });
}

EditorColorizer::~EditorColorizer() {
    if (worker_ != nullptr)
        worker_->unregisterEditor(editorId_);
}

void EditorColorizer::ColorKey() {
    lastWholeFileMs_ = -1;
    dirtyLines_.reset();
    requestWholeFile();
}

void EditorColorizer::ColorKeyLine(int line) {
    if (lastWholeFileMs_ < LocalColouringThresholdMs) {
        if (!colourLastEditHere())
            ColorKey();
        return;
    }
    if (line < 0 || line >= model_.LineCount())
        return;
    if (dirtyLines_)
        dirtyLines_ = {std::min(dirtyLines_->first, line), std::max(dirtyLines_->second, line)};
    else
        dirtyLines_ = {line, line};
    requestRegion();
}

// One edit since the last whole-file pass: the pass is resumed around it at
// once on this thread, with the colours a whole-file pass would give, for
// less than handing a copy of the text to the colouring thread.
bool EditorColorizer::colourLastEditHere() {
    if (isBusy() || model_.generation() == 0 || !resume_.follows(model_.generation() - 1))
        return false;
    std::optional<ColorPassResult> region =
        resume_.recolour(pass(), model_.text(), model_.lastChange());
    if (!region)
        return false;
    region->generation = model_.generation();
    ColorApply::applyPass(model_, *region);
    // Upper-casing names rewrites bytes in place: the points still fit.
    resume_.setGeneration(model_.generation());
    emit colored(region->regionStart, region->regionEnd());
    return true;
}

const ColorPass& EditorColorizer::pass() {
    const ColorPassOptions wanted = options();
    if (!pass_ || pass_->options().upperTagNames != wanted.upperTagNames ||
        pass_->options().upperArguments != wanted.upperArguments)
        pass_.emplace(tags_, wanted);
    return *pass_;
}

bool EditorColorizer::isBusy() const {
    return awaitedRequestId_ != 0;
}

void EditorColorizer::requestWholeFile() {
    ColorJob job(ColorPass(tags_, options()));
    job.wholeFile = true;
    job.snapshot = model_.text();
    job.regionStart = 0;
    send(std::move(job));
}

void EditorColorizer::requestRegion() {
    if (!dirtyLines_) {
        requestWholeFile();
        return;
    }
    std::optional<ColorRegion> region =
        ColorRegion::aroundLines(model_.text(), dirtyLines_->first, dirtyLines_->second);
    if (!region)
        return;
    ColorJob job(ColorPass(tags_, options()));
    job.snapshot = model_.text().substr(region->start, region->length());
    job.regionStart = region->start;
    send(std::move(job));
}

void EditorColorizer::send(ColorJob job) {
    job.editorId = editorId_;
    job.requestId = ++lastRequestId_;
    job.generation = model_.generation();
    awaitedRequestId_ = job.requestId;
    if (worker_ != nullptr)
        worker_->request(std::move(job));
    else
        colourHere(job);
}

// Without an application object there is no thread to hand the work to.
void EditorColorizer::colourHere(const ColorJob& job) {
    std::optional<ColorPassResult> colours = job.pass.run(job.snapshot, job.regionStart);
    ColorJobResult result;
    result.requestId = job.requestId;
    result.wholeFile = job.wholeFile;
    result.pass = std::move(*colours);
    result.pass.generation = job.generation;
    applyResult(result);
}

// A result computed from an older text is never applied. If it was the one
// awaited, the pass runs again on the current text; otherwise a newer request
// is on its way and covers it.
void EditorColorizer::applyResult(const ColorJobResult& result) {
    const bool awaited = result.requestId == awaitedRequestId_;
    if (!ColorApply::applyPass(model_, result.pass)) {
        if (awaited && result.wholeFile)
            requestWholeFile();
        else if (awaited)
            requestRegion();
        return;
    }
    if (awaited) {
        awaitedRequestId_ = 0;
        dirtyLines_.reset();
        if (result.wholeFile) {
            lastWholeFileMs_ = result.milliseconds;
            resume_.reset(result.pass.resumePoints, model_.generation());
        }
    }
    emit colored(result.pass.regionStart, result.pass.regionEnd());
}

ColorPassOptions EditorColorizer::options() const {
    ColorPassOptions options;
    options.upperTagNames = !keepsNameCase_ && settings_.isOn(CEditorSettings::UpperCaseTagNames);
    options.upperArguments = !keepsNameCase_ && settings_.isOn(CEditorSettings::UpperCaseArguments);
    return options;
}
