#pragma once

#include "app/CommandInfo.h"

#include <span>

// Every command of the program, once.
std::span<const CommandInfo> AllCommands();

// The command with this id, or null.
const CommandInfo* FindCommand(int id);
