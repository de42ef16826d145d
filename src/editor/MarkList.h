#pragma once

#include "CMarkRecord.h"
#include "editor/Attribute.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The marks of one document in insertion order (a later mark is drawn over an
// earlier one), and how they follow the text when a range is replaced.
class MarkList {
public:
    static constexpr int UserMarkColour = attrIndex(Attr::Mark);
    static constexpr const char* UserMarkReason = "Marked by User";

    // Moves, stretches or drops the marks for the replacement of [start, end)
    // by newLength bytes. Linked spans move with their marks.
    void adjustForEdit(int start, int end, int newLength, bool dropMarks);

    // Replaces any user mark at selectionStart by one over [selectionStart, caret).
    void markSelection(int selectionStart, int caret);
    // Removes the marks containing offset; returns whether any went.
    bool removeAt(int offset, bool keepLinkValidatorMarks);
    bool removeAll();
    void add(CMarkRecord mark) { marks_.push_back(std::move(mark)); }
    bool anyContains(int offset) const;
    std::optional<std::string> reasonAt(int offset) const;
    // Forgets a link record that is going away, so no mark points at it.
    void detachLink(const IMarkLink* link);

    // Sets the mark at index over [start, end), its linked span with it: a
    // command that edited with the marks kept puts its mark back over its
    // text.
    void moveTo(std::size_t index, int start, int end);
    // Moves by delta, linked spans with them, every mark but the one at
    // except that lies wholly in [start, end): an edit that kept the marks
    // and put text before the range leaves them over the text they marked.
    void moveCovered(int start, int end, int delta, std::size_t except);
    // After [start, oldEnd) was replaced by text that ends at newEnd with
    // the marks kept: every mark but the one at except that lay in the
    // range is fitted into the new text, and one that ended with the old
    // text ends with the new one.
    void fitCovered(int start, int oldEnd, int newEnd, std::size_t except);
    // Removes the first mark and hands it over; empty when there is none.
    std::optional<CMarkRecord> takeFirst();
    // A user mark whose range lies inside a text of textLength bytes (a mark
    // kept through an edit that covered it may lie past a shortened text).
    bool isUserMarkWithin(std::size_t index, int textLength) const;
    // The indexes of those marks, in list order.
    std::vector<std::size_t> userMarksWithin(int textLength) const;
    // A copy whose marks move no linked record, for trying a command out
    // before it changes anything.
    MarkList unlinkedCopy() const;

    const std::vector<CMarkRecord>& records() const { return marks_; }
    std::size_t size() const { return marks_.size(); }
    bool empty() const { return marks_.empty(); }

private:
    std::vector<CMarkRecord> marks_;
};
