#pragma once

#include "editor/ColorPass.h"
#include "editor/ColorResume.h"

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <optional>
#include <utility>

class ColorKeyWorker;
struct ColorJob;
struct ColorJobResult;
class TextModel;
class CTagData;
struct CEditorSettings;

// Colours one editor's text: requests a pass from the application's single
// colouring worker and applies the result to the model on the UI thread,
// only when the text is still the one the pass was computed from. The model,
// the tag data and the settings must outlive the colorizer.
class EditorColorizer : public QObject {
    Q_OBJECT

public:
    // worker is the application's colouring thread; it outlives the colorizer.
    EditorColorizer(TextModel& model, const CTagData& tags, const CEditorSettings& settings,
                    ColorKeyWorker& worker, QObject* parent = nullptr);
    ~EditorColorizer() override;

    // A whole-file pass.
    void ColorKey();
    // A local pass around one line (automatic colouring while typing); a
    // whole-file pass when the last one was fast, which after a single edit
    // is resumed around the edit, on this thread, instead of run again.
    void ColorKeyLine(int line);
    // A pass is pending or running.
    bool isBusy() const;
    // Duration of the last whole-file pass in milliseconds; -1 while one is
    // pending or none has run yet.
    double lastWholeFileMilliseconds() const { return lastWholeFileMs_; }
    // Set for a document whose names are case-sensitive (an XML type): its
    // passes leave the case of every name as it is, whatever the switches say.
    void setKeepsNameCase(bool keep) { keepsNameCase_ = keep; }

signals:
    // The attributes (and perhaps the case of tag and argument names) of
    // [start, end) changed; the editor repaints.
    void colored(int start, int end);

private:
    bool colourLastEditHere();
    const ColorPass& pass();
    void requestWholeFile();
    void requestRegion();
    void send(ColorJob job);
    void colourHere(const ColorJob& job);
    void applyResult(const ColorJobResult& result);
    ColorPassOptions options() const;

    TextModel& model_;
    const CTagData& tags_;
    const CEditorSettings& settings_;
    QPointer<ColorKeyWorker> worker_;
    std::uint64_t editorId_ = 0;
    std::uint64_t lastRequestId_ = 0;
    std::uint64_t awaitedRequestId_ = 0; // 0: nothing outstanding
    // Lines whose local recolouring has been asked for and not yet applied;
    // a newer request covers them all, as it replaces the waiting one.
    std::optional<std::pair<int, int>> dirtyLines_;
    double lastWholeFileMs_ = -1;
    bool keepsNameCase_ = false;
    // Where the last whole-file pass may be resumed after an edit, and the
    // pass that resumes it.
    ColorResume resume_;
    std::optional<ColorPass> pass_;
};
