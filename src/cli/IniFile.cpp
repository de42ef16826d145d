#include "cli/IniFile.h"

#include "html/AsciiText.h"
#include "html/FileText.h"
#include "html/TextLines.h"

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// "\xHHHH": a UTF-16 code unit written as up to four hex digits.
size_t hexEscape(std::string_view text, size_t i, std::string& out) {
    unsigned code = 0;
    size_t digits = 0;
    while (digits < 4 && i < text.size() && hexDigit(text[i]) >= 0) {
        code = code * 16 + static_cast<unsigned>(hexDigit(text[i++]));
        ++digits;
    }
    appendUtf8(out, code);
    return i;
}

size_t escape(std::string_view text, size_t i, std::string& out) {
    char c = text[i++];
    switch (c) {
    case 'n':
        out += '\n';
        break;
    case 't':
        out += '\t';
        break;
    case 'r':
        out += '\r';
        break;
    case '0':
        out += '\0';
        break;
    case 'x':
        return hexEscape(text, i, out);
    default:
        out += c;
    }
    return i;
}

// Quotes only protect blanks, commas and the like, so they are dropped; a
// backslash escapes inside and outside them.
std::string unescapeValue(std::string_view raw) {
    std::string out;
    for (size_t i = 0; i < raw.size();) {
        char c = raw[i];
        if (c == '\\' && i + 1 < raw.size()) {
            i = escape(raw, i + 1, out);
        } else {
            if (c != '"')
                out += c;
            ++i;
        }
    }
    if (out.size() >= 2 && out[0] == '@' && out[1] == '@')
        out.erase(0, 1);
    return out;
}

} // namespace

bool IniFile::load(const std::string& path) {
    std::optional<std::string> text = ReadFileText(path);
    text_ = text.value_or(std::string());
    return text.has_value();
}

void IniFile::loadFromText(std::string_view text) {
    text_ = text;
}

std::optional<std::string> IniFile::value(std::string_view group, std::string_view key) const {
    TextLines lines(text_);
    std::string_view line;
    bool inGroup = false;
    while (lines.next(line)) {
        line = AsciiText::trimLine(line);
        if (!line.empty() && line.front() == '[') {
            inGroup =
                line.size() >= 2 && line.back() == ']' && line.substr(1, line.size() - 2) == group;
            continue;
        }
        size_t equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos)
            continue;
        if (AsciiText::trimLine(line.substr(0, equals)) == key)
            return unescapeValue(AsciiText::trimLine(line.substr(equals + 1)));
    }
    return std::nullopt;
}
