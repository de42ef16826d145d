#include "cli/LineIndex.h"

#include <algorithm>

void LineIndex::reset(std::string_view text) {
    lineStarts_.assign(1, 0);
    for (size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
        lineStarts_.push_back(static_cast<int>(i + 1));
}

size_t LineIndex::lineIndexOf(int offset) const {
    auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    return after == lineStarts_.begin() ? 0 : static_cast<size_t>(after - lineStarts_.begin() - 1);
}

int LineIndex::lineOf(int offset) const {
    return static_cast<int>(lineIndexOf(offset)) + 1;
}

int LineIndex::columnOf(int offset) const {
    return offset - lineStarts_[lineIndexOf(offset)] + 1;
}
