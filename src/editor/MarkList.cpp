#include "MarkList.h"

#include "IMarkLink.h"

#include <algorithm>

namespace {

void moveLinkedSpan(const CMarkRecord& mark, int startDelta, int endDelta) {
    if (mark.link == nullptr || (startDelta == 0 && endDelta == 0)) {
        return;
    }
    mark.link->setSpan(mark.link->spanStart() + startDelta, mark.link->spanEnd() + endDelta);
}

void moveMark(CMarkRecord& mark, int newStart, int newEnd) {
    moveLinkedSpan(mark, newStart - mark.start, newEnd - mark.end);
    mark.start = newStart;
    mark.end = newEnd;
}

// Where the edit only partly overlaps the mark, the mark becomes the union of
// itself and the replaced range, carried through the edit: the replacement
// joins the mark and the mark never ends before it starts.
void stretchMark(CMarkRecord& mark, int start, int end, int delta) {
    moveMark(mark, std::min(mark.start, start), std::max(mark.end, end) + delta);
}

} // namespace

void MarkList::adjustForEdit(int start, int end, int newLength, bool dropMarks) {
    const int delta = newLength - (end - start);
    auto out = marks_.begin();
    for (auto& mark : marks_) {
        const bool covered = start <= mark.start && end >= mark.end;
        if (covered && dropMarks) {
            continue;
        }
        if (!covered && mark.end > start) {
            if (mark.start >= start && end <= mark.start) {
                moveMark(mark, mark.start + delta, mark.end + delta);
            } else {
                stretchMark(mark, start, end, delta);
            }
        }
        if (&*out != &mark) {
            *out = std::move(mark);
        }
        ++out;
    }
    marks_.erase(out, marks_.end());
}

void MarkList::markSelection(int selectionStart, int caret) {
    std::erase_if(marks_, [selectionStart](const CMarkRecord& mark) {
        return mark.kind == CMarkRecord::KindUser && mark.containsOffset(selectionStart);
    });
    marks_.push_back(CMarkRecord{CMarkRecord::KindUser, selectionStart, caret, UserMarkColour,
                                 UserMarkReason, nullptr});
}

bool MarkList::removeAt(int offset, bool keepLinkValidatorMarks) {
    const auto removed = std::erase_if(marks_, [&](const CMarkRecord& mark) {
        const bool kept = keepLinkValidatorMarks && mark.kind == CMarkRecord::KindLinkValidator;
        return !kept && mark.containsOffset(offset);
    });
    return removed > 0;
}

bool MarkList::removeAll() {
    const bool any = !marks_.empty();
    marks_.clear();
    return any;
}

bool MarkList::anyContains(int offset) const {
    return std::any_of(marks_.begin(), marks_.end(),
                       [offset](const CMarkRecord& mark) { return mark.containsOffset(offset); });
}

std::optional<std::string> MarkList::reasonAt(int offset) const {
    // The end offset counts, so hovering just after a mark still explains it.
    for (const auto& mark : marks_) {
        if (mark.start <= offset && offset <= mark.end) {
            return mark.reason;
        }
    }
    return std::nullopt;
}

void MarkList::detachLink(const IMarkLink* link) {
    for (auto& mark : marks_) {
        if (mark.link == link) {
            mark.link = nullptr;
        }
    }
}

void MarkList::moveTo(std::size_t index, int start, int end) {
    moveMark(marks_.at(index), start, end);
}

void MarkList::moveCovered(int start, int end, int delta, std::size_t except) {
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        CMarkRecord& mark = marks_[i];
        if (i != except && start <= mark.start && mark.end <= end) {
            moveMark(mark, mark.start + delta, mark.end + delta);
        }
    }
}

void MarkList::fitCovered(int start, int oldEnd, int newEnd, std::size_t except) {
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        CMarkRecord& mark = marks_[i];
        if (i != except && start <= mark.start && mark.end <= oldEnd) {
            const int fittedEnd = mark.end == oldEnd ? newEnd : std::min(mark.end, newEnd);
            moveMark(mark, std::min(mark.start, newEnd), fittedEnd);
        }
    }
}

std::optional<CMarkRecord> MarkList::takeFirst() {
    if (marks_.empty()) {
        return std::nullopt;
    }
    CMarkRecord first = std::move(marks_.front());
    marks_.erase(marks_.begin());
    return first;
}

bool MarkList::isUserMarkWithin(std::size_t index, int textLength) const {
    const CMarkRecord& mark = marks_.at(index);
    return mark.kind == CMarkRecord::KindUser && 0 <= mark.start && mark.start <= mark.end &&
           mark.end <= textLength;
}

std::vector<std::size_t> MarkList::userMarksWithin(int textLength) const {
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        if (isUserMarkWithin(i, textLength)) {
            chosen.push_back(i);
        }
    }
    return chosen;
}

MarkList MarkList::unlinkedCopy() const {
    MarkList copy = *this;
    for (CMarkRecord& mark : copy.marks_) {
        mark.link = nullptr;
    }
    return copy;
}
