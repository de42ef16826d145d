#pragma once

#include "html/CErrorLine.h"
#include "html/CTagScanner.h"
#include "html/ICheckSink.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Readable dumps of what the scanner and the checker produce, for the golden
// files under tests/data.
namespace GoldenDump {

inline std::string escaped(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

inline std::string span(int start, int end) {
    return std::to_string(start) + ".." + std::to_string(end);
}

inline std::string argumentLine(const CArgToken& argument) {
    std::string line = "    arg " + span(argument.start, argument.end) + " raw=\"" +
                       escaped(argument.raw) + "\" name=\"" + escaped(argument.name) + "\" " +
                       span(argument.nameStart, argument.nameEnd);
    if (argument.hasValue)
        line += " value=\"" + escaped(argument.value) + "\" " +
                span(argument.valueStart, argument.valueEnd);
    return line + "\n";
}

inline std::string tokens(std::string_view text) {
    std::string out;
    CTagScanner scanner(text);
    while (std::optional<CTagToken> token = scanner.NextTag()) {
        out += "tag " + span(token->start, token->end) + (token->closing ? " close" : " open") +
               " name=\"" + escaped(token->name) + "\" text=\"" + escaped(token->text) + "\"\n";
        for (const CArgToken& argument : token->arguments)
            out += argumentLine(argument);
    }
    return out;
}

// Collects lines in the tab-separated form of the error log.
class LogCollector : public ICheckSink {
public:
    void addLine(const CErrorLine& line) override {
        text += std::to_string(line.start) + "\t" + std::to_string(line.end) + "\t" + line.path +
                "\t" + line.message + "\n";
        lines.push_back(line);
    }

    std::string text;
    std::vector<CErrorLine> lines;
};

} // namespace GoldenDump
