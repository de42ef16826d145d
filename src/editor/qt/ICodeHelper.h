#pragma once

// The completion list that an editor opens while the user types a tag. The
// editor decides when it is shown, hidden or offered a key; what it lists
// and inserts is its own business.
class ICodeHelper {
public:
    virtual ~ICodeHelper() = default;

    // Opens or refreshes the list for the editor's caret.
    virtual void ShowCodeHelper() = 0;
    virtual void HideCodeHelper() = 0;
    virtual bool isVisible() const = 0;
    // Offered the Return key; true when the list used it.
    virtual bool CommitCodeHelper() = 0;
    // Down and Up while the list is visible.
    virtual void SelectNext() = 0;
    virtual void SelectPrevious() = 0;

protected:
    ICodeHelper() = default;
    ICodeHelper(const ICodeHelper&) = default;
    ICodeHelper& operator=(const ICodeHelper&) = default;
};
