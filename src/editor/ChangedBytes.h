#pragma once

#include <optional>

// The bytes whose look changed since a view last took them: text, colours or
// both. A view repaints the rows they cover instead of the whole area; rows
// below them move too when an edit changed the number of lines.
class ChangedBytes {
public:
    struct Span {
        int start = 0;
        int end = 0; // exclusive
        // The lines after end moved up or down: every row below changed.
        bool linesMoved = false;
        // Some bytes were inserted or removed: offsets after start moved.
        bool edited = false;
    };

    // [start, start + removed) became [start, start + inserted); an earlier
    // span is carried over into the new offsets.
    void edited(int start, int removed, int inserted, bool linesMoved);
    // [start, end) changed in place.
    void touched(int start, int end);
    // Empties the list and returns what it held.
    std::optional<Span> take();

private:
    void widen(int start, int end);

    std::optional<Span> span_;
};
