#include "TextModel.h"

#include <algorithm>
#include <cstring>

namespace {

// Rewrites buffer in place so that each removed-byte stretch at starts (in
// the buffer's own offsets) holds inserted bytes instead, moving every byte
// once: from the back when the buffer grows, from the front when it shrinks.
template <typename Buffer, typename WriteInserted>
void replaceInPlace(Buffer& buffer, const std::vector<int>& starts, int removed, int inserted,
                    WriteInserted writeInserted) {
    const auto size = static_cast<long long>(buffer.size());
    const long long grown =
        size + static_cast<long long>(starts.size()) * (inserted - static_cast<long long>(removed));
    auto* data = buffer.data();
    if (inserted > removed) {
        buffer.resize(static_cast<std::size_t>(grown));
        data = buffer.data();
        long long readEnd = size;
        long long writeEnd = grown;
        for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
            const long long kept = readEnd - (*start + removed);
            writeEnd -= kept;
            std::memmove(data + writeEnd, data + *start + removed, static_cast<std::size_t>(kept));
            writeEnd -= inserted;
            writeInserted(data + writeEnd);
            readEnd = *start;
        }
        return;
    }
    long long read = 0;
    long long write = 0;
    for (int start : starts) {
        std::memmove(data + write, data + read, static_cast<std::size_t>(start - read));
        write += start - read;
        writeInserted(data + write);
        write += inserted;
        read = start + removed;
    }
    std::memmove(data + write, data + read, static_cast<std::size_t>(size - read));
    buffer.resize(static_cast<std::size_t>(grown));
}

} // namespace

void TextModel::ReplaceEach(std::span<const BatchEdit> edits, int removed, std::string_view text,
                            UndoMode mode, bool dropMarks) {
    if (edits.empty())
        return;
    const int inserted = static_cast<int>(text.size());
    recordBatch(edits, removed, inserted, mode, dropMarks);
    // Each edit's start in the text before any of them.
    std::vector<int> starts;
    starts.reserve(edits.size());
    long long lineFeedChange = 0;
    const long long feedsInserted = std::count(text.begin(), text.end(), '\n');
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const int start = edits[i].start - static_cast<int>(i) * (inserted - removed);
        starts.push_back(start);
        lineFeedChange += feedsInserted -
                          std::count(text_.begin() + start, text_.begin() + start + removed, '\n');
    }
    const int first = starts.front();
    const int oldSpan = starts.back() + removed - first;
    const int newSpan = edits.back().start + inserted - first;
    replaceInPlace(text_, starts, removed, inserted,
                   [&text](char* at) { std::memcpy(at, text.data(), text.size()); });
    replaceInPlace(attributes_, starts, removed, inserted,
                   [inserted](std::uint8_t* at) { std::memset(at, 0, inserted); });
    modified_ = true;
    selection_ = edits.back().selectionBefore;
    changed_.edited(first, oldSpan, newSpan, lineFeedChange != 0);
    nextGeneration(first, oldSpan, newSpan);
}

// The undo records and the marks, exactly as the edits one by one make them.
void TextModel::recordBatch(std::span<const BatchEdit> edits, int removed, int inserted,
                            UndoMode mode, bool dropMarks) {
    const bool continued = mode == UndoMode::EditContinued;
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const BatchEdit& edit = edits[i];
        // The bytes an edit removes have not moved yet: the earlier edits of
        // the batch only shifted them.
        const int original = edit.start - static_cast<int>(i) * (inserted - removed);
        const bool joins = continued || i > 0;
        fileRecord(CUndoRecord{text_.substr(original, removed), edit.start, inserted,
                               edit.selectionBefore.start, edit.selectionBefore.caret, false},
                   joins ? UndoMode::Edit : mode, joins);
        marks_.adjustForEdit(edit.start, edit.start + removed, inserted, dropMarks);
    }
}
