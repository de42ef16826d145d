#pragma once

#include "FontChoice.h"

#include <string>

// The tags that format text in a chosen font: style tags outside, FONT
// innermost, closed in the reverse order.
struct FontHtml {
    std::string open;  // e.g. <B><FONT FACE="Arial" COLOR="#ff0000" SIZE=1>
    std::string close; // e.g. </FONT></B>

    static FontHtml Build(const FontChoice& choice);

    // The two texts as tag names for the tag insertion primitive, which puts
    // "<" + openName + ">" and "</" + closeName + ">" back around them.
    std::string openName() const;
    std::string closeName() const;
};
