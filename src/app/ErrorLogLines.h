#pragma once

#include "app/ErrorLogLine.h"
#include "editor/Attribute.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

class TextModel;

// The lines of one Error Log in the order they were added. Marks in open
// documents point at these records, so the store is shared: it lives while
// its window or any document holding its marks does. A deque keeps every
// record where it is while lines are appended during a run.
class ErrorLogLines {
public:
    static constexpr int MarkColour = attrIndex(Attr::Special);

    void append(const CErrorLine& line);
    std::size_t size() const { return lines_.size(); }
    const ErrorLogLine& at(std::size_t row) const { return lines_.at(row); }
    ErrorLogLine& at(std::size_t row) { return lines_.at(row); }

    // Lays a kind-101 mark, linked to its line, over the span of every line
    // about exactly path. Returns how many were laid.
    int layMarks(TextModel& model, const std::string& path);

    // The first line that marks a place in any file.
    std::optional<std::size_t> firstPlace() const;
    // Whether some line marks a place in path.
    bool concerns(const std::string& path) const;

    // The row of the next (direction 1) or previous (-1) line after from
    // that marks a place in path, going round at the ends; from may be
    // none to start before the first or after the last line.
    std::optional<std::size_t> stepTo(const std::string& path, std::optional<std::size_t> from,
                                      int direction) const;

private:
    bool marksPlaceIn(std::size_t row, const std::string& path) const;

    std::deque<ErrorLogLine> lines_;
    // How many lines mark a place in each path, so that the state of the
    // error-walking commands is known without a pass over a long log.
    std::unordered_map<std::string, int> placesPerPath_;
};
