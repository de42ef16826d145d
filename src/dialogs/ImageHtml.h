#pragma once

#include "ImageFields.h"

#include <string>

// The IMG tag of Insert Image. Only SRC, LOWSRC and ALT are quoted; every
// other value is written as typed; empty fields are left out.
namespace ImageHtml {

std::string Build(const ImageFields& fields);

} // namespace ImageHtml
