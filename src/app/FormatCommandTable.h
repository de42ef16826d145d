#pragma once

#include "editor/FormatCommands.h"

#include <span>

// A Format menu command and the tag it writes.
struct FormatCommand {
    int id = 0;
    FormatTag tag;
};

std::span<const FormatCommand> AllFormatCommands();
// The tag of command id, or null when id is not a Format tag command.
const FormatTag* FindFormatTag(int id);
