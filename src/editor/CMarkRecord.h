#pragma once

#include <string>

class IMarkLink;

// A coloured range of the text with the reason it was marked.
struct CMarkRecord {
    static constexpr int KindUser = 100; // the user or the find command
    static constexpr int KindErrorLog = 101;
    static constexpr int KindLinkValidator = 102;
    static constexpr int ColourNotDrawn = -1;

    int kind = KindUser;
    int start = 0;
    int end = 0; // one past the last byte
    int colour = ColourNotDrawn;
    std::string reason;
    IMarkLink* link = nullptr; // not owned

    bool containsOffset(int offset) const { return start <= offset && offset < end; }
};
