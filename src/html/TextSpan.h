#pragma once

// A range of text offsets, end exclusive.
struct TextSpan {
    int start = 0;
    int end = 0;
};
