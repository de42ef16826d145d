#include "FramesFields.h"

#include <algorithm>

void FramesFields::setColCount(int count) {
    colCount = std::clamp(count, 1, MaxCount);
}

void FramesFields::setRowCount(int count) {
    rowCount = std::clamp(count, 1, MaxCount);
}
