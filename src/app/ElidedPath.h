#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A path shortened to fit a title or a menu: whole folders are left out of
// its middle and "..." stands for them, so that the start of the path and
// the file name stay readable. A path that fits is returned as it is; a file
// name that alone is too long is kept whole after ".../".
std::string ElideMiddle(std::string_view path, std::size_t maxLength, char separator = '/');
