#pragma once

#include "editor/IMarkLink.h"

#include <string>

// One place that refers to a link target: the referring file (relative to
// the base folder), the bookmark split off the value ("#name" or empty) and
// the span of the value in the file's text, quotes and blanks after "="
// included. A mark laid over the place links here, so the span follows the
// edits of an open document. written is the value the span holds as the
// scan (or a rewrite) left it, so that a span gone stale (a document closed
// unsaved, a file changed on disk) is noticed before it is marked or
// rewritten.
class CLinkRef : public IMarkLink {
public:
    CLinkRef(std::string file, std::string anchor, int start, int end, std::string written)
        : file(std::move(file)), anchor(std::move(anchor)), start(start), end(end),
          written(std::move(written)) {}

    // The line the "References:" list shows for it.
    std::string listText() const { return anchor.empty() ? file : file + " (" + anchor + ")"; }

    int spanStart() const override { return start; }
    int spanEnd() const override { return end; }
    void setSpan(int newStart, int newEnd) override {
        start = newStart;
        end = newEnd;
    }

    std::string file;
    std::string anchor;
    int start = 0;
    int end = 0;
    std::string written;
};
