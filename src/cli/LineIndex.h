#pragma once

#include <string_view>
#include <vector>

// Turns byte offsets of a text into 1-based line and column numbers (LF line
// ends, columns in bytes).
class LineIndex {
public:
    void reset(std::string_view text);

    int lineOf(int offset) const;
    int columnOf(int offset) const;

private:
    size_t lineIndexOf(int offset) const;

    std::vector<int> lineStarts_{0};
};
