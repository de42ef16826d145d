#include "cli/CheckPrinter.h"

#include <string>

void CheckPrinter::beginDocument(const std::string&, std::string_view text) {
    if (format_ == CheckOptions::Format::Gnu)
        lines_.reset(text);
}

void CheckPrinter::addLine(const CErrorLine& line) {
    if (format_ == CheckOptions::Format::Gnu)
        printGnu(line);
    else
        printLog(line);
}

void CheckPrinter::printGnu(const CErrorLine& line) {
    if (!line.error)
        return;
    std::string text = line.path;
    text += ':' + std::to_string(lines_.lineOf(line.start));
    text += ':' + std::to_string(lines_.columnOf(line.start));
    text += ": " + line.message + '\n';
    write(text);
}

void CheckPrinter::printLog(const CErrorLine& line) {
    std::string text = std::to_string(line.start);
    text += '\t' + std::to_string(line.end);
    text += '\t' + line.path;
    text += '\t' + line.message + '\n';
    write(text);
}

void CheckPrinter::write(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), out_);
}
