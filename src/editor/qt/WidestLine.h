#pragma once

#include "ViewGeometry.h"

#include <cstdint>

class TextModel;

// The width in columns of a model's widest line, for the horizontal scroll
// range. After one change only the lines that change touched are measured
// again; the whole text only when the change shortened the widest line
// itself, or when several changes came since the last look.
class WidestLine {
public:
    int columns(const TextModel& model);

private:
    bool followChange(const ViewGeometry& view, const TextModel& model);

    ViewGeometry::LineWidth widest_;
    std::uint64_t generation_ = 0;
    bool known_ = false;
};
