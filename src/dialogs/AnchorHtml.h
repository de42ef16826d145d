#pragma once

#include "AnchorFields.h"

#include <string>
#include <string_view>

// The A element of Insert Anchor: HREF, TARGET and NAME in this order, each
// written as typed and left out when empty.
namespace AnchorHtml {

inline constexpr std::string_view Closing = "</A>";

std::string Opening(const AnchorFields& fields);
// Opening, the caption and the closing tag.
std::string Element(const AnchorFields& fields);

} // namespace AnchorHtml
