#pragma once

#include <optional>
#include <string_view>

// The stretch of text that a local colouring pass recolours: whole lines,
// widened to the tag that begins before them and the tag end that follows.
struct ColorRegion {
    int start = 0;
    int end = 0; // exclusive

    // Lines outside the text are clamped to its first or last line. Empty
    // when firstLine > lastLine.
    static std::optional<ColorRegion> aroundLines(std::string_view text, int firstLine,
                                                  int lastLine);
    // Number of lines of text (line feeds plus one).
    static int lineCount(std::string_view text);

    int length() const { return end - start; }
};
