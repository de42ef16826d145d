#pragma once

#include "editor/IMarkLink.h"
#include "html/CErrorLine.h"

// One line of an Error Log as the window keeps it. A mark laid from it links
// here, so edits that move the mark move this span too and a later double
// click still finds the faulty text.
class ErrorLogLine : public IMarkLink {
public:
    explicit ErrorLogLine(CErrorLine line) : line_(std::move(line)) {}

    const CErrorLine& line() const { return line_; }
    const std::string& message() const { return line_.message; }
    const std::string& path() const { return line_.path; }
    // Lines about no place in the text (progress, count, separator) have
    // the span 0, 0.
    bool hasPlace() const { return line_.start + line_.end != 0; }

    int spanStart() const override { return line_.start; }
    int spanEnd() const override { return line_.end; }
    void setSpan(int start, int end) override {
        line_.start = start;
        line_.end = end;
    }

private:
    CErrorLine line_;
};
