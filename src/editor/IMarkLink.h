#pragma once

// The record a mark shows in the text: an error log line or a link reference.
// A mark holds it without owning it and keeps its span in step when edits move
// the mark, so a double click on the line still finds the right text.
class IMarkLink {
public:
    virtual ~IMarkLink() = default;

    virtual int spanStart() const = 0;
    virtual int spanEnd() const = 0;
    virtual void setSpan(int start, int end) = 0;

protected:
    IMarkLink() = default;
    IMarkLink(const IMarkLink&) = default;
    IMarkLink& operator=(const IMarkLink&) = default;
};
