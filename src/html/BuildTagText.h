#pragma once

#include "html/TagArgumentValue.h"

#include <string>
#include <string_view>
#include <vector>

// The opening tag Insert Tag writes: "<" and the tag name, then, in the
// given order, " NAME=text" for every field that is not empty and " NAME"
// for every checked box, then ">". Values are written exactly as typed:
// nothing is quoted, escaped or trimmed.
std::string BuildTagText(std::string_view tagName, const std::vector<TagArgumentValue>& arguments);
