#pragma once

#include <optional>
#include <string>
#include <string_view>

class CTagData;

// The description shown for a position of the text in the tooltip and the
// status bar: the reason of a mark covering the position, else the info of
// the argument or tag under it ("End of " + the tag's info on a closing
// tag), else "".
std::string TagInfoText(const CTagData& tagData, std::string_view text, int position,
                        const std::optional<std::string>& markReason);
