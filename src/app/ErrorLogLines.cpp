#include "app/ErrorLogLines.h"

#include "editor/CMarkRecord.h"
#include "editor/TextModel.h"

void ErrorLogLines::append(const CErrorLine& line) {
    lines_.emplace_back(line);
    if (lines_.back().hasPlace()) {
        ++placesPerPath_[line.path];
    }
}

int ErrorLogLines::layMarks(TextModel& model, const std::string& path) {
    int laid = 0;
    for (ErrorLogLine& line : lines_) {
        if (!line.hasPlace() || line.path() != path) {
            continue;
        }
        model.AddMark(CMarkRecord{CMarkRecord::KindErrorLog, line.spanStart(), line.spanEnd(),
                                  MarkColour, line.message(), &line});
        ++laid;
    }
    return laid;
}

bool ErrorLogLines::marksPlaceIn(std::size_t row, const std::string& path) const {
    const ErrorLogLine& line = lines_[row];
    return line.hasPlace() && line.path() == path;
}

std::optional<std::size_t> ErrorLogLines::firstPlace() const {
    for (std::size_t row = 0; row < lines_.size(); ++row) {
        if (lines_[row].hasPlace()) {
            return row;
        }
    }
    return std::nullopt;
}

bool ErrorLogLines::concerns(const std::string& path) const {
    return placesPerPath_.contains(path);
}

std::optional<std::size_t> ErrorLogLines::stepTo(const std::string& path,
                                                 std::optional<std::size_t> from,
                                                 int direction) const {
    const auto count = static_cast<long long>(lines_.size());
    if (count == 0) {
        return std::nullopt;
    }
    const long long step = direction < 0 ? -1 : 1;
    long long row = from ? static_cast<long long>(*from) : (step > 0 ? -1 : count);
    for (long long tried = 0; tried < count; ++tried) {
        row = ((row + step) % count + count) % count;
        if (marksPlaceIn(static_cast<std::size_t>(row), path)) {
            return static_cast<std::size_t>(row);
        }
    }
    return std::nullopt;
}
