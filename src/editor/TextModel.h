#pragma once

#include "CMarkRecord.h"
#include "CUndoRecord.h"
#include "ChangedBytes.h"
#include "FileResult.h"
#include "LineEnding.h"
#include "MarkList.h"
#include "Selection.h"
#include "TextChange.h"
#include "UndoStep.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Where a ReplaceRange call files its undo record.
enum class UndoMode {
    ToRedoList = 0, // replaying an undo step
    Edit = 1,       // an ordinary edit: undo list, and the redo list is emptied
    ToUndoList = 2, // replaying a redo step
    // A further edit of the command that made the newest undo step: it
    // joins that step, so that undo and redo take the command whole. Use
    // EditGroup rather than this directly.
    EditContinued = 3,
};

enum class EditResult {
    Done,
    BadRange, // the range is not inside the text; nothing changed
    TooLong,  // the text would pass Capacity; nothing changed
};

// The document behind one editor widget: the text as bytes, one colour index
// per byte, the selection, the undo and redo steps and the marks. The widget
// draws it and turns input into calls here; the model never redraws.
class TextModel {
public:
    static constexpr int Capacity = 1'048'574;
    static constexpr std::size_t MaxUndoSteps = 99;

    TextModel();

    // The one primitive that changes the text. Null attributes (an empty span)
    // give the new bytes colour 0. Neither selection nor caret moves.
    EditResult ReplaceRange(int start, int end, std::string_view text,
                            std::span<const std::uint8_t> attributes, UndoMode mode,
                            bool dropMarks);
    EditResult ReplaceRange(int start, int end, std::string_view text);
    // One replacement of a batch: what a ReplaceRange call of it would get,
    // start counted in the text as the earlier replacements left it.
    struct BatchEdit {
        int start = 0;
        Selection selectionBefore;
    };
    // The same as one ReplaceRange of removed bytes at each edit's start by
    // text, in order (the first with mode, the others continuing its step),
    // with the selection set to each edit's selectionBefore while it is
    // made; but the text moves once instead of once per edit. The edits must
    // follow one another without overlapping and the result must fit.
    void ReplaceEach(std::span<const BatchEdit> edits, int removed, std::string_view text,
                     UndoMode mode, bool dropMarks);
    EditResult ReplaceSelection(std::string_view text, bool dropMarks = true);
    // A same-length rewrite (a case change) as one undo step: the marks stay
    // where they are, now and when the step is undone or redone.
    EditResult RewriteInPlace(int start, std::string_view bytes);
    // Same-length rewrite (case changes) that records no step and leaves the
    // modified flag alone; false when the bytes do not fit inside the text.
    bool OverwriteBytes(int start, std::string_view bytes);

    std::string GetRangeText(int start, int end) const;
    std::string GetSelectedText() const;
    // Empty for a line that does not exist.
    std::string GetLineText(int line) const;
    // -1 when the line does not exist or would start at the end of the text.
    int LineStart(int line) const;
    int LineStartOf(int offset) const;
    // offset -1 stands for the caret.
    int LineOfOffset(int offset = -1) const;
    int LineCount() const;
    int LeadingTabs(int offset) const;

    bool IsInSelection(int offset) const;
    Selection GetSelection() const { return selection_; }
    // Both ends are kept inside the text and in order.
    void SetSelection(int start, int end);
    void SelectAll();

    // Returns false (and writes nothing) for a range outside the text.
    bool SetAttributes(int start, int end, std::uint8_t colour);
    bool WriteAttributes(int start, std::span<const std::uint8_t> colours);

    // On success the model holds the file as a new document: colours, marks,
    // selection and undo steps of the old text are gone. On failure nothing
    // changes.
    FileResult LoadFile(const std::filesystem::path& path, std::string* reason = nullptr);
    // Writes the text in the line-end style it was loaded with and clears the
    // modified flag on success.
    FileResult SaveFile(const std::filesystem::path& path);

    bool Undo();
    bool Redo();
    // Newest step first; each list keeps at most MaxUndoSteps steps.
    const std::deque<UndoStep>& undoList() const { return undo_; }
    const std::deque<UndoStep>& redoList() const { return redo_; }

    // Each returns whether the mark list changed, so the caller knows to
    // recolour.
    bool MarkSelection();
    bool RemoveMark(bool linkValidationOpen);
    bool RemoveAllMarks();
    void AddMark(CMarkRecord mark);
    bool IsSelectionStartInMark() const;
    std::optional<std::string> MarkReasonAt(int offset) const;
    void DetachLink(const IMarkLink* link) { marks_.detachLink(link); }
    const std::vector<CMarkRecord>& marks() const { return marks_.records(); }
    // For commands that set a mark over its text after an edit that kept it.
    MarkList& markList() { return marks_; }
    const MarkList& markList() const { return marks_; }

    const std::string& text() const { return text_; }
    int length() const { return static_cast<int>(text_.size()); }
    const std::vector<std::uint8_t>& attributes() const { return attributes_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // Whether OverwriteBytes changed the text since it was last loaded or
    // saved: such changes (the colouring's upper-casing) leave the document
    // unmodified, but the file no longer holds what the editor shows.
    bool isRewrittenInPlace() const { return rewrittenInPlace_; }
    // Grows with every change of the text; a colouring result computed from
    // an older generation is stale.
    std::uint64_t generation() const { return generation_; }
    // The change that made the current generation.
    TextChange lastChange() const { return lastChange_; }
    // The bytes whose text or colour changed since the view last took them.
    std::optional<ChangedBytes::Span> takeChangedBytes() { return changed_.take(); }
    LineEnding lineEnding() const { return lineEnding_; }
    void setLineEnding(LineEnding lineEnding) { lineEnding_ = lineEnding; }

private:
    // What a replacement does to the marks over the range.
    enum class MarkEffect {
        Drop, // marks wholly inside go
        Keep, // marks wholly inside are left untouched
        Stay, // a same-length rewrite: no mark moves at all
    };

    // One replacement as the primitive applies it, recorded or replayed.
    struct Change {
        int start = 0;
        int end = 0;
        std::string_view text;
        std::span<const std::uint8_t> attributes;
        MarkEffect marks = MarkEffect::Drop;
    };

    bool isRange(int start, int end) const;
    bool fitsAt(int start, std::size_t size) const;
    EditResult checkChange(int start, int end, std::size_t newLength) const;
    int clampOffset(int offset) const;
    void apply(const Change& change, UndoMode mode, bool joinsStep);
    void recordStep(const Change& change, UndoMode mode, bool joinsStep);
    void fileRecord(CUndoRecord record, UndoMode mode, bool joinsStep);
    void touchAttributes(int start, int end, std::uint8_t colour);
    void recordBatch(std::span<const BatchEdit> edits, int removed, int inserted, UndoMode mode,
                     bool dropMarks);
    void spliceText(int start, int end, std::string_view text,
                    std::span<const std::uint8_t> attributes);
    void nextGeneration(int start, int removed, int inserted);
    bool replay(std::deque<UndoStep>& from, UndoMode mode);
    bool replayRecord(const CUndoRecord& record, UndoMode mode, bool joinsStep);

    std::string text_;
    std::vector<std::uint8_t> attributes_;
    Selection selection_;
    bool modified_ = false;
    bool rewrittenInPlace_ = false;
    std::uint64_t generation_ = 0;
    TextChange lastChange_;
    ChangedBytes changed_;
    LineEnding lineEnding_ = LineEnding::Lf;
    std::deque<UndoStep> undo_;
    std::deque<UndoStep> redo_;
    MarkList marks_;
};
