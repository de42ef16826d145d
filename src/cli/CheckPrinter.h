#pragma once

#include "cli/CheckOptions.h"
#include "cli/LineIndex.h"
#include "html/ICheckSink.h"

#include <cstdio>

// Writes the checker's lines to a stream in one of the two output formats:
// gnu ("PATH:LINE:COLUMN: MESSAGE", fault lines only) or log (every line as
// START, END, PATH and MESSAGE separated by tabs).
class CheckPrinter : public ICheckSink {
public:
    CheckPrinter(std::FILE* out, CheckOptions::Format format) : out_(out), format_(format) {}

    void addLine(const CErrorLine& line) override;
    void beginDocument(const std::string& path, std::string_view text) override;

private:
    void printGnu(const CErrorLine& line);
    void printLog(const CErrorLine& line);
    void write(std::string_view text);

    std::FILE* out_;
    CheckOptions::Format format_;
    LineIndex lines_;
};
