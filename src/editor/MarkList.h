#pragma once

#include "CMarkRecord.h"
#include "editor/Attribute.h"

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

    const std::vector<CMarkRecord>& records() const { return marks_; }
    std::vector<CMarkRecord>& records() { return marks_; }

private:
    std::vector<CMarkRecord> marks_;
};
