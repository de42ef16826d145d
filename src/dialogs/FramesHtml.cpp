#include "FramesHtml.h"

#include "HtmlArgument.h"

#include <algorithm>

namespace {

// A single column (or row) takes the whole space and needs no list.
void appendSizes(std::string& tag, std::string_view name,
                 const std::array<std::string, FramesFields::MaxCount>& sizes, int count) {
    if (count <= 1) {
        return;
    }
    std::string list;
    for (int i = 0; i < count; ++i) {
        const std::string& size = sizes[static_cast<std::size_t>(i)];
        list.append(i == 0 ? "" : ", ").append(size.empty() ? "*" : size);
    }
    HtmlArgument::AppendQuoted(tag, name, list);
}

int held(int count) {
    return std::clamp(count, 1, FramesFields::MaxCount);
}

} // namespace

namespace FramesHtml {

std::string Build(const FramesFields& fields, int indentTabs) {
    const int columns = held(fields.colCount);
    const int rows = held(fields.rowCount);
    std::string text = "<FRAMESET";
    appendSizes(text, "COLS", fields.colWidths, columns);
    appendSizes(text, "ROWS", fields.rowHeights, rows);
    HtmlArgument::Append(text, "FRAMEBORDER", fields.frameBorder);
    HtmlArgument::Append(text, "BORDER", fields.border);
    HtmlArgument::Append(text, "BORDERCOLOR", fields.borderColor);
    text += ">\n";
    const std::string indent(static_cast<std::size_t>(indentTabs), '\t');
    for (int frame = 0; frame < columns * rows; ++frame) {
        text.append(indent).append("\t<FRAME SRC=\"\">\n");
    }
    text.append(indent).append("</FRAMESET>");
    return text;
}

} // namespace FramesHtml
