#pragma once

#include "cli/CheckOptions.h"

#include <optional>
#include <string>

// The options that turn tagwright-check into a link lister.

// The mode an option selects ("--links", "--broken-links"), or nullopt.
std::optional<CheckOptions::Mode> ModeOption(const std::string& argument);

// What is wrong with options for their mode; "" when nothing is.
std::string ModeError(const CheckOptions& options);
