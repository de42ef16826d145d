#pragma once

#include "FramesFields.h"

#include <string>

// The FRAMESET element of Insert Frames with one empty FRAME per cell. The
// first line stands where the caret is; the frames and the closing tag
// start with indentTabs tabs, the frames with one more.
namespace FramesHtml {

std::string Build(const FramesFields& fields, int indentTabs);

} // namespace FramesHtml
