#pragma once

#include <string>

// What Insert Table asks for, as typed; the numbers are text, so a width of
// "80%" is kept.
struct TableFields {
    std::string columns;
    std::string rows;
    std::string align;
    std::string border;
    std::string cellpadding;
    std::string bgColor;
    std::string height;
    std::string width;
    std::string hSpace;
    std::string vSpace;
    std::string caption;
    std::string captionAlign;
    // The grid comes from tab-separated text (cells copied out of a
    // spreadsheet) instead of the row and column counts.
    bool useClipboard = false;
};
