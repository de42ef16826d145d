#include "TableHtml.h"

#include "HtmlArgument.h"

#include <algorithm>

namespace {

// Larger counts are far beyond any document's size limit anyway.
constexpr int kCountCap = 100'000'000;

struct Writer {
    std::string text;
    std::string indent;
    std::size_t limit;

    bool full() const { return text.size() > limit; }

    void line(std::string_view depth, std::string_view content) {
        text.append(indent).append(depth).append(content).append("\n");
    }
};

std::string tableTag(const TableFields& fields, std::string_view columns) {
    std::string tag = "<TABLE";
    HtmlArgument::Append(tag, "BORDER", fields.border);
    HtmlArgument::Append(tag, "CELLPADDING", fields.cellpadding);
    HtmlArgument::Append(tag, "HEIGHT", fields.height);
    HtmlArgument::Append(tag, "WIDTH", fields.width);
    HtmlArgument::Append(tag, "VSPACE", fields.vSpace);
    HtmlArgument::Append(tag, "HSPACE", fields.hSpace);
    HtmlArgument::Append(tag, "BGCOLOR", fields.bgColor);
    HtmlArgument::Append(tag, "COLS", columns);
    HtmlArgument::Append(tag, "ALIGN", fields.align);
    tag += ">\n";
    return tag;
}

void writeCaption(Writer& out, const TableFields& fields) {
    if (fields.caption.empty()) {
        return;
    }
    std::string caption = "<CAPTION";
    HtmlArgument::Append(caption, "ALIGN", fields.captionAlign);
    caption.append(">").append(fields.caption).append("</CAPTION>");
    out.line("\t", caption);
}

bool writeEmptyGrid(Writer& out, int rows, int columns) {
    for (int row = 0; row < rows; ++row) {
        out.line("\t", "<TR>");
        for (int column = 0; column < columns; ++column) {
            out.line("\t\t", "<TD>");
            if (out.full()) {
                return false;
            }
        }
        out.line("\t", "</TR>");
        if (out.full()) {
            return false;
        }
    }
    return true;
}

bool writeClipboardGrid(Writer& out, std::string_view clipboard) {
    out.line("\t", "<TR>");
    std::size_t cellStart = 0;
    for (;;) {
        const std::size_t separator = clipboard.find_first_of("\t\n", cellStart);
        if (separator == std::string_view::npos) {
            break;
        }
        out.text.append(out.indent).append("\t\t<TD>");
        out.text.append(clipboard.substr(cellStart, separator - cellStart)).append("\n");
        if (clipboard[separator] == '\n') {
            out.line("\t", "</TR>");
            out.line("\t", "<TR>");
        }
        if (out.full()) {
            return false;
        }
        cellStart = separator + 1;
    }
    out.line("\t", "</TR>");
    return true;
}

} // namespace

namespace TableHtml {

int ClipboardColumns(std::string_view clipboard) {
    const std::string_view firstLine = clipboard.substr(0, clipboard.find('\n'));
    return 1 + static_cast<int>(std::count(firstLine.begin(), firstLine.end(), '\t'));
}

int CountOf(std::string_view text) {
    text.remove_prefix(std::min(text.size(), text.find_first_not_of(" \t")));
    int count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        count = std::min(kCountCap, count * 10 + (c - '0'));
    }
    return count;
}

std::optional<std::string> Build(const TableFields& fields, int indentTabs,
                                 std::string_view clipboard, std::size_t limit) {
    const std::string columns =
        fields.useClipboard ? std::to_string(ClipboardColumns(clipboard)) : fields.columns;
    Writer out{tableTag(fields, columns), std::string(static_cast<std::size_t>(indentTabs), '\t'),
               limit};
    writeCaption(out, fields);
    const bool complete = fields.useClipboard
                              ? writeClipboardGrid(out, clipboard)
                              : writeEmptyGrid(out, CountOf(fields.rows), CountOf(fields.columns));
    if (!complete) {
        return std::nullopt;
    }
    out.text.append(out.indent).append("</TABLE>");
    if (out.full()) {
        return std::nullopt;
    }
    return std::move(out.text);
}

} // namespace TableHtml
