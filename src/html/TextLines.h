#pragma once

#include <string_view>

// Splits text into lines the way a text-mode read does: CR LF, LF and a lone
// CR each end a line, and a final line end does not start an extra empty line.
class TextLines {
public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // The next line without its line end; false after the last one.
    bool next(std::string_view& line);

private:
    std::string_view text_;
    size_t position_ = 0;
};
