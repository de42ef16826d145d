#pragma once

#include <string>

// One line of an error log: a message, the span of text it is about (0 and 0
// for lines that belong to no place in the text) and the file's path. error
// tells the fault lines apart from the progress, count and separator lines.
struct CErrorLine {
    std::string message;
    int start = 0;
    int end = 0;
    std::string path;
    bool error = false;
};
