#include "TextModel.h"

#include "TextFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// A byte-wide counter per block lets the compiler compare and add a whole
// vector of bytes at a time; the block is short enough that the counter cannot
// wrap and a multiple of the vector width.
int countLineFeeds(const char* data, std::size_t size) {
    constexpr std::size_t Block = 240;
    std::size_t total = 0;
    for (std::size_t from = 0; from < size; from += Block) {
        const std::size_t stop = std::min(size, from + Block);
        std::uint8_t inBlock = 0;
        for (std::size_t i = from; i < stop; ++i) {
            inBlock = static_cast<std::uint8_t>(inBlock + (data[i] == '\n' ? 1 : 0));
        }
        total += inBlock;
    }
    return static_cast<int>(total);
}

} // namespace

TextModel::TextModel() {
    // Reserved once so no edit below the limit ever reallocates.
    text_.reserve(Capacity);
    attributes_.reserve(Capacity);
}

EditResult TextModel::ReplaceRange(int start, int end, std::string_view text,
                                   std::span<const std::uint8_t> attributes, UndoMode mode,
                                   bool dropMarks) {
    const EditResult check = checkChange(start, end, text.size());
    if (check != EditResult::Done) {
        return check;
    }
    const MarkEffect marks = dropMarks ? MarkEffect::Drop : MarkEffect::Keep;
    const bool continued = mode == UndoMode::EditContinued;
    apply(Change{start, end, text, attributes, marks}, continued ? UndoMode::Edit : mode,
          continued);
    return EditResult::Done;
}

EditResult TextModel::ReplaceRange(int start, int end, std::string_view text) {
    return ReplaceRange(start, end, text, {}, UndoMode::Edit, true);
}

EditResult TextModel::ReplaceSelection(std::string_view text, bool dropMarks) {
    return ReplaceRange(selection_.start, selection_.caret, text, {}, UndoMode::Edit, dropMarks);
}

EditResult TextModel::RewriteInPlace(int start, std::string_view bytes) {
    if (!fitsAt(start, bytes.size())) {
        return EditResult::BadRange;
    }
    const int end = start + static_cast<int>(bytes.size());
    apply(Change{start, end, bytes, {}, MarkEffect::Stay}, UndoMode::Edit, false);
    return EditResult::Done;
}

bool TextModel::OverwriteBytes(int start, std::string_view bytes) {
    if (!fitsAt(start, bytes.size())) {
        return false;
    }
    if (std::string_view(text_).substr(static_cast<std::size_t>(start), bytes.size()) != bytes) {
        rewrittenInPlace_ = true;
    }
    std::memcpy(text_.data() + start, bytes.data(), bytes.size());
    const int length = static_cast<int>(bytes.size());
    changed_.touched(start, start + length);
    nextGeneration(start, length, length);
    return true;
}

std::string TextModel::GetRangeText(int start, int end) const {
    start = clampOffset(start);
    end = clampOffset(end);
    return start < end ? text_.substr(start, end - start) : std::string();
}

std::string TextModel::GetSelectedText() const {
    return GetRangeText(selection_.start, selection_.caret);
}

std::string TextModel::GetLineText(int line) const {
    const int first = line == 0 ? 0 : LineStart(line);
    if (first < 0 || line < 0) {
        return std::string();
    }
    const std::size_t lineFeed = text_.find('\n', first);
    const std::size_t stop = lineFeed == std::string::npos ? text_.size() : lineFeed;
    return text_.substr(first, stop - first);
}

int TextModel::LineStart(int line) const {
    if (line < 0) {
        return -1;
    }
    const char* data = text_.data();
    std::size_t offset = 0;
    for (int passed = 0; passed < line; ++passed) {
        const void* lineFeed = std::memchr(data + offset, '\n', text_.size() - offset);
        if (lineFeed == nullptr) {
            return -1;
        }
        offset = static_cast<std::size_t>(static_cast<const char*>(lineFeed) - data) + 1;
    }
    return offset < text_.size() ? static_cast<int>(offset) : -1;
}

int TextModel::LineStartOf(int offset) const {
    offset = clampOffset(offset);
    if (offset == 0) {
        return 0;
    }
    const std::size_t lineFeed = text_.rfind('\n', static_cast<std::size_t>(offset - 1));
    return lineFeed == std::string::npos ? 0 : static_cast<int>(lineFeed) + 1;
}

int TextModel::LineOfOffset(int offset) const {
    offset = clampOffset(offset == -1 ? selection_.caret : offset);
    return countLineFeeds(text_.data(), static_cast<std::size_t>(offset));
}

int TextModel::LineCount() const {
    return countLineFeeds(text_.data(), text_.size()) + 1;
}

int TextModel::LeadingTabs(int offset) const {
    const auto first = text_.begin() + LineStartOf(offset);
    return static_cast<int>(std::find_if(first, text_.end(), [](char c) { return c != '\t'; }) -
                            first);
}

bool TextModel::IsInSelection(int offset) const {
    return selection_.start <= offset && offset < selection_.caret;
}

void TextModel::SetSelection(int start, int end) {
    start = clampOffset(start);
    end = clampOffset(end);
    selection_ = {std::min(start, end), std::max(start, end)};
}

void TextModel::SelectAll() {
    selection_ = {0, length()};
}

bool TextModel::SetAttributes(int start, int end, std::uint8_t colour) {
    if (!isRange(start, end)) {
        return false;
    }
    touchAttributes(start, end, colour);
    return true;
}

bool TextModel::WriteAttributes(int start, std::span<const std::uint8_t> colours) {
    if (!fitsAt(start, colours.size())) {
        return false;
    }
    // Only the bytes whose colour really differs count as changed, so that a
    // recoloured region repaints no more than what looks different.
    const auto old = attributes_.begin() + start;
    const auto first = std::mismatch(colours.begin(), colours.end(), old).first;
    if (first == colours.end())
        return true;
    const auto last = std::mismatch(colours.rbegin(), colours.rend(),
                                    std::make_reverse_iterator(old + colours.size()))
                          .first;
    const int from = start + static_cast<int>(first - colours.begin());
    const int to = start + static_cast<int>(colours.size() - (last - colours.rbegin()));
    std::copy(first, last.base(), attributes_.begin() + from);
    changed_.touched(from, to);
    return true;
}

FileResult TextModel::LoadFile(const std::filesystem::path& path, std::string* reason) {
    TextFile::Contents contents;
    const FileResult result = TextFile::load(path, Capacity, contents, reason);
    if (result != FileResult::Ok) {
        return result;
    }
    // The old undo steps and marks hold offsets into the old text; replaying
    // them on the new one would splice bytes in at random places.
    const int oldLength = length();
    text_ = std::move(contents.text);
    text_.reserve(Capacity);
    rewrittenInPlace_ = false;
    attributes_.assign(text_.size(), 0);
    lineEnding_ = contents.lineEnding;
    selection_ = {};
    undo_.clear();
    redo_.clear();
    marks_.removeAll();
    changed_.edited(0, oldLength, length(), true);
    nextGeneration(0, oldLength, length());
    return FileResult::Ok;
}

FileResult TextModel::SaveFile(const std::filesystem::path& path) {
    const FileResult result = TextFile::save(path, text_, lineEnding_);
    if (result == FileResult::Ok) {
        modified_ = false;
        rewrittenInPlace_ = false;
    }
    return result;
}

bool TextModel::Undo() {
    return replay(undo_, UndoMode::ToRedoList);
}

bool TextModel::Redo() {
    return replay(redo_, UndoMode::ToUndoList);
}

bool TextModel::MarkSelection() {
    marks_.markSelection(selection_.start, selection_.caret);
    return true;
}

bool TextModel::RemoveMark(bool linkValidationOpen) {
    return marks_.removeAt(selection_.start, linkValidationOpen);
}

bool TextModel::RemoveAllMarks() {
    return marks_.removeAll();
}

void TextModel::AddMark(CMarkRecord mark) {
    marks_.add(std::move(mark));
}

bool TextModel::IsSelectionStartInMark() const {
    return marks_.anyContains(selection_.start);
}

std::optional<std::string> TextModel::MarkReasonAt(int offset) const {
    return marks_.reasonAt(offset);
}

EditResult TextModel::checkChange(int start, int end, std::size_t newLength) const {
    if (!isRange(start, end)) {
        return EditResult::BadRange;
    }
    const long long grownLength =
        static_cast<long long>(text_.size()) - (end - start) + static_cast<long long>(newLength);
    if (newLength > static_cast<std::size_t>(Capacity) || grownLength > Capacity) {
        return EditResult::TooLong;
    }
    return EditResult::Done;
}

bool TextModel::isRange(int start, int end) const {
    return 0 <= start && start <= end && end <= length();
}

bool TextModel::fitsAt(int start, std::size_t size) const {
    return 0 <= start && start <= length() &&
           size <= text_.size() - static_cast<std::size_t>(start);
}

int TextModel::clampOffset(int offset) const {
    return std::clamp(offset, 0, length());
}

void TextModel::apply(const Change& change, UndoMode mode, bool joinsStep) {
    modified_ = true;
    recordStep(change, mode, joinsStep);
    if (change.marks != MarkEffect::Stay) {
        marks_.adjustForEdit(change.start, change.end, static_cast<int>(change.text.size()),
                             change.marks == MarkEffect::Drop);
    }
    const bool linesMoved =
        std::count(text_.begin() + change.start, text_.begin() + change.end, '\n') !=
        std::count(change.text.begin(), change.text.end(), '\n');
    spliceText(change.start, change.end, change.text, change.attributes);
    changed_.edited(change.start, change.end - change.start, static_cast<int>(change.text.size()),
                    linesMoved);
    nextGeneration(change.start, change.end - change.start, static_cast<int>(change.text.size()));
}

void TextModel::recordStep(const Change& change, UndoMode mode, bool joinsStep) {
    fileRecord(CUndoRecord{text_.substr(change.start, change.end - change.start), change.start,
                           static_cast<int>(change.text.size()), selection_.start, selection_.caret,
                           change.marks == MarkEffect::Stay},
               mode, joinsStep);
}

void TextModel::fileRecord(CUndoRecord record, UndoMode mode, bool joinsStep) {
    std::deque<UndoStep>& list = mode == UndoMode::ToRedoList ? redo_ : undo_;
    if (joinsStep && !list.empty()) {
        list.front().records.push_back(std::move(record));
    } else {
        list.push_front(UndoStep{{std::move(record)}});
        // The limit counts whole steps, so a command is never cut in half.
        if (list.size() > MaxUndoSteps) {
            list.pop_back();
        }
    }
    if (mode == UndoMode::Edit) {
        redo_.clear();
    }
}

void TextModel::touchAttributes(int start, int end, std::uint8_t colour) {
    const auto first = std::find_if(attributes_.begin() + start, attributes_.begin() + end,
                                    [colour](std::uint8_t old) { return old != colour; });
    if (first == attributes_.begin() + end)
        return;
    std::fill(first, attributes_.begin() + end, colour);
    changed_.touched(static_cast<int>(first - attributes_.begin()), end);
}

void TextModel::spliceText(int start, int end, std::string_view text,
                           std::span<const std::uint8_t> attributes) {
    text_.replace(start, end - start, text);
    const int oldLength = end - start;
    const int newLength = static_cast<int>(text.size());
    if (newLength > oldLength) {
        attributes_.insert(attributes_.begin() + end, newLength - oldLength, 0);
    } else if (newLength < oldLength) {
        attributes_.erase(attributes_.begin() + start + newLength, attributes_.begin() + end);
    }
    const std::size_t given = std::min(attributes.size(), text.size());
    const auto first = attributes_.begin() + start;
    std::copy(attributes.begin(), attributes.begin() + given, first);
    std::fill(first + given, first + newLength, 0);
}

void TextModel::nextGeneration(int start, int removed, int inserted) {
    lastChange_ = TextChange{start, removed, inserted};
    ++generation_;
}

// The records are reversed newest first; what reverses them becomes one step
// on the other list, whose own replay runs the command forwards again.
bool TextModel::replay(std::deque<UndoStep>& from, UndoMode mode) {
    if (from.empty()) {
        return false;
    }
    // The step is filed on the other list, so this one may be changed freely.
    UndoStep step = std::move(from.front());
    from.pop_front();
    bool joinsStep = false;
    for (auto record = step.records.rbegin(); record != step.records.rend(); ++record) {
        if (!replayRecord(*record, mode, joinsStep)) {
            // Only a history that no longer fits the text can fail, which
            // the model never lets happen; a step refused at its first
            // record stays where it was, a part already replayed is filed.
            if (!joinsStep) {
                from.push_front(std::move(step));
            }
            return joinsStep;
        }
        joinsStep = true;
    }
    return true;
}

bool TextModel::replayRecord(const CUndoRecord& record, UndoMode mode, bool joinsStep) {
    const int end = record.start + record.length;
    if (checkChange(record.start, end, record.text.size()) != EditResult::Done) {
        return false;
    }
    const MarkEffect marks = record.inPlace ? MarkEffect::Stay : MarkEffect::Drop;
    apply(Change{record.start, end, record.text, {}, marks}, mode, joinsStep);
    SetSelection(record.selectionStart, record.caret);
    return true;
}
