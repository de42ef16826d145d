#pragma once

#include <array>
#include <string>

// What Insert Frames asks for. Each column's width and each row's height is
// kept for all twenty places, so that a count lowered and raised again
// brings back the sizes typed before.
struct FramesFields {
    static constexpr int MaxCount = 20;

    int colCount = 2;
    int rowCount = 1;
    std::array<std::string, MaxCount> colWidths;  // "" = not given
    std::array<std::string, MaxCount> rowHeights; // "" = not given
    std::string frameBorder;
    std::string border;
    std::string borderColor;

    // Held to 1..MaxCount.
    void setColCount(int count);
    void setRowCount(int count);
};
