#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A cursor over one path or link text that yields its components one by one.
// A component ended by the native separator keeps it ("../"); one ended by
// the foreign slash stops before it. A leading separator of either kind is
// removed from every component but the last.
class CPathTokenizer {
public:
    explicit CPathTokenizer(std::string_view text) : text_(text) {}

    // Returns true and the next component, or false and the last component
    // (the rest of the text, not trimmed) once the end is reached.
    bool Next(std::string& component);

private:
    std::string_view text_;
    std::size_t position_ = 0;
};
