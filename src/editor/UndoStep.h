#pragma once

#include "CUndoRecord.h"

#include <vector>

// What one Undo or one Redo takes back whole: the replacements of one
// command in the order they were made. Most commands make one; Replace All
// and the commands over many marks make one per match or mark.
struct UndoStep {
    std::vector<CUndoRecord> records;
};
