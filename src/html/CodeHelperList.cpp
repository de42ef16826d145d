#include "html/CodeHelperList.h"

#include "html/AsciiText.h"

#include <algorithm>

void CodeHelperList::AddEntry(std::string text, std::string info) {
    entries_.push_back({std::move(text), std::move(info), nextIndex_++});
    selected_ = 0;
    top_ = 0;
}

void CodeHelperList::ClearEntries() {
    entries_.clear();
    nextIndex_ = 0;
    selected_ = -1;
    top_ = 0;
}

void CodeHelperList::SortEntries() {
    // std::string compares its bytes as unsigned char, the byte-wise order.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const CListEntry& a, const CListEntry& b) { return a.text < b.text; });
}

// Case is ignored on both sides: tag names come upper-case from the tag
// data, but the project's file names offered for links keep their own case,
// and a typed "ca" must find "cakes.html".
void CodeHelperList::SelectByPrefix(std::string_view typed) {
    const std::string upper = AsciiText::upperCopy(typed);
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [&upper](const CListEntry& entry) {
            return AsciiText::upperCopy(entry.text) >= upper;
        });
    if (found != entries_.end()) {
        selected_ = static_cast<int>(found - entries_.begin());
    }
    followSelection();
}

bool CodeHelperList::SelectNext() {
    if (selected_ < 0 || selected_ + 1 >= static_cast<int>(entries_.size())) {
        return false;
    }
    ++selected_;
    followSelection();
    return true;
}

bool CodeHelperList::SelectPrevious() {
    if (selected_ <= 0) {
        return false;
    }
    --selected_;
    followSelection();
    return true;
}

bool CodeHelperList::select(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        return false;
    }
    selected_ = index;
    return true;
}

void CodeHelperList::scrollBy(int rows) {
    const int lastTop = std::max(0, static_cast<int>(entries_.size()) - Rows);
    top_ = std::clamp(top_ + rows, 0, lastTop);
}

std::string CodeHelperList::GetSelectedEntryText() const {
    return selected_ < 0 ? std::string() : entries_[selected_].text;
}

std::string CodeHelperList::selectedInfo() const {
    return selected_ < 0 ? std::string() : entries_[selected_].info;
}

void CodeHelperList::followSelection() {
    top_ = std::max(0, selected_ - RowsAbove);
}
