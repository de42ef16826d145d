#pragma once

#include "html/CListEntry.h"

#include <string>
#include <string_view>
#include <vector>

// The entries of the CodeHelper pop-up, which one is selected and which one
// is drawn first. Knows nothing of windows: the pop-up draws what it says.
class CodeHelperList {
public:
    static constexpr int Rows = 10;
    // The selection shows with up to this many entries above it.
    static constexpr int RowsAbove = 4;

    // Appends an entry; the first entry becomes the selected and top one.
    void AddEntry(std::string text, std::string info);
    void ClearEntries();
    // Ascending by bytes; equal texts keep the order they were added in.
    void SortEntries();
    // Selects the first entry not smaller than typed, upper-cased; the
    // selection stays when every entry is smaller.
    void SelectByPrefix(std::string_view typed);
    // Each returns false, changing nothing, at the end of the list.
    bool SelectNext();
    bool SelectPrevious();
    // Selects entry index (a click on it); false when there is none.
    bool select(int index);
    // Moves the first drawn entry by rows without moving the selection (the
    // mouse wheel); the view stays inside the list.
    void scrollBy(int rows);

    const std::vector<CListEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }
    // -1 when the list is empty.
    int selected() const { return selected_; }
    int top() const { return top_; }
    // "" when the list is empty.
    std::string GetSelectedEntryText() const;
    std::string selectedInfo() const;

private:
    void followSelection();

    std::vector<CListEntry> entries_;
    int nextIndex_ = 0;
    int selected_ = -1;
    int top_ = 0;
};
