#include "FindReplace.h"

#include "EditGroup.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(char a, char b) {
    return foldAscii(a) == foldAscii(b);
}

int toOffset(std::size_t index) {
    return static_cast<int>(index);
}

// Every offset at which what matches, overlapping matches included when
// overlapping is set; otherwise a greedy scan that goes on after each match.
long long countMatches(std::string_view text, std::string_view what, bool caseSensitive,
                       bool overlapping) {
    long long count = 0;
    int from = 0;
    while (auto match = FindReplace::findForward(text, what, from, caseSensitive)) {
        ++count;
        from = *match + (overlapping ? 1 : toOffset(what.size()));
    }
    return count;
}

// Without a prompt every match the greedy scan finds is replaced. With one, a
// skipped match lets the next search start inside it, so any matching offset
// may be replaced: counting them all bounds the growth from above.
bool replaceAllFits(const TextModel& model, std::string_view what, std::string_view with,
                    bool caseSensitive, bool prompted) {
    const long long growth =
        static_cast<long long>(with.size()) - static_cast<long long>(what.size());
    if (growth <= 0) {
        return true;
    }
    const long long matches = countMatches(model.text(), what, caseSensitive, prompted);
    return model.length() + matches * growth <= TextModel::Capacity;
}

// The replace primitive as Replace Marks uses it: marks are kept, and the
// command sets the mark it works on itself. All of it is one undo step.
struct ModelEdits {
    explicit ModelEdits(TextModel& target) : model(target), group(target) {}
    TextModel& model;
    EditGroup group;
    int length() const { return model.length(); }
    MarkList& marks() { return model.markList(); }
    bool replace(int start, int end, std::string_view text) {
        return group.replace(start, end, text, false) == EditResult::Done;
    }
};

// The same steps on a copy of the marks and the length alone, so that a
// command that would pass the capacity is found before it changes anything.
struct DryRunEdits {
    MarkList scratch;
    long long textLength = 0;
    int length() const { return static_cast<int>(textLength); }
    MarkList& marks() { return scratch; }
    bool replace(int start, int end, std::string_view text) {
        const long long grown = textLength - (end - start) + static_cast<long long>(text.size());
        if (start < 0 || start > end || end > textLength || grown > TextModel::Capacity) {
            return false;
        }
        scratch.adjustForEdit(start, end, static_cast<int>(text.size()), false);
        textLength = grown;
        return true;
    }
};

DryRunEdits dryRunOf(const TextModel& model) {
    // The linked records belong to the real marks; the copy must not move them.
    return DryRunEdits{model.markList().unlinkedCopy(), model.length()};
}

template <class Edits>
bool replaceOneMark(Edits& edits, std::size_t index, std::string_view addBefore,
                    std::string_view addAfter, std::string_view replacement) {
    const int start = edits.marks().records()[index].start;
    const int end = edits.marks().records()[index].end;
    const int shift = toOffset(addBefore.size());
    // Inserting at a point keeps the marks, so an empty mark there is not lost;
    // the mark is set over its text explicitly after each insertion.
    if (!edits.replace(start, start, addBefore)) {
        return false;
    }
    edits.marks().moveTo(index, start + shift, end + shift);
    if (!edits.replace(end + shift, end + shift, addAfter)) {
        return false;
    }
    edits.marks().moveTo(index, start + shift, end + shift);
    if (replacement.empty()) {
        return true;
    }
    if (!edits.replace(start + shift, end + shift, replacement)) {
        return false;
    }
    edits.marks().moveTo(index, start + shift, start + shift + toOffset(replacement.size()));
    return true;
}

// No step drops a mark, so the indexes stay valid throughout.
template <class Edits>
bool replaceMarkSteps(Edits& edits, std::string_view addBefore, std::string_view addAfter,
                      std::string_view replacement) {
    for (std::size_t i = 0; i < edits.marks().size(); ++i) {
        if (!edits.marks().isUserMarkWithin(i, edits.length())) {
            continue;
        }
        if (!replaceOneMark(edits, i, addBefore, addAfter, replacement)) {
            return false;
        }
    }
    return true;
}

// Without a prompt the matches are those of the text before the command:
// the search after each replacement starts behind the inserted text, where
// the old text goes on unchanged. The text then moves once for all of them.
ReplaceAllResult replaceEveryMatch(EditGroup& edits, std::string_view what, std::string_view with,
                                   bool caseSensitive) {
    ReplaceAllResult outcome;
    std::vector<int> matches;
    const std::string& text = edits.model().text();
    int from = 0;
    while (auto match = FindReplace::findForward(text, what, from, caseSensitive)) {
        matches.push_back(*match);
        from = *match + toOffset(what.size());
    }
    outcome.result = edits.replaceEach(matches, toOffset(what.size()), with, true);
    outcome.replaced = outcome.result == EditResult::Done ? static_cast<int>(matches.size()) : 0;
    outcome.selection = edits.selection();
    edits.model().SetSelection(outcome.selection.start, outcome.selection.caret);
    return outcome;
}

} // namespace

FindTextCheck FindReplace::checkFindText(std::string_view what) {
    if (what.empty()) {
        return FindTextCheck::Empty;
    }
    return what.size() > MaxFindLength ? FindTextCheck::TooLong : FindTextCheck::Ok;
}

std::optional<int> FindReplace::findForward(std::string_view text, std::string_view what, int from,
                                            bool caseSensitive) {
    from = std::max(from, 0);
    if (what.empty() || static_cast<std::size_t>(from) >= text.size()) {
        return std::nullopt;
    }
    if (caseSensitive) {
        const std::size_t found = text.find(what, static_cast<std::size_t>(from));
        return found == std::string_view::npos ? std::nullopt : std::optional(toOffset(found));
    }
    const auto found =
        std::search(text.begin() + from, text.end(), what.begin(), what.end(), sameIgnoringCase);
    return found == text.end() ? std::nullopt : std::optional(toOffset(found - text.begin()));
}

std::optional<int> FindReplace::findBackward(std::string_view text, std::string_view what, int from,
                                             bool caseSensitive) {
    if (what.empty() || from < 0 || what.size() > text.size()) {
        return std::nullopt;
    }
    if (caseSensitive) {
        const std::size_t found = text.rfind(what, static_cast<std::size_t>(from));
        return found == std::string_view::npos ? std::nullopt : std::optional(toOffset(found));
    }
    const std::size_t stop = std::min(text.size(), static_cast<std::size_t>(from) + what.size());
    const auto last = text.begin() + static_cast<std::ptrdiff_t>(stop);
    const auto found =
        std::find_end(text.begin(), last, what.begin(), what.end(), sameIgnoringCase);
    return found == last ? std::nullopt : std::optional(toOffset(found - text.begin()));
}

std::optional<int> FindReplace::FindText(TextModel& model, std::string_view what, int step,
                                         bool caseSensitive) {
    if (checkFindText(what) != FindTextCheck::Ok || step == 0) {
        return std::nullopt;
    }
    const int from = model.GetSelection().start + (step > 0 ? 1 : -1);
    if (from < 0 || from >= model.length()) {
        return std::nullopt;
    }
    const auto match = step > 0 ? findForward(model.text(), what, from, caseSensitive)
                                : findBackward(model.text(), what, from, caseSensitive);
    if (match) {
        model.SetSelection(*match, *match + toOffset(what.size()));
    }
    return match;
}

ReplaceAllResult FindReplace::ReplaceAll(TextModel& model, std::string_view what,
                                         std::string_view with, bool caseSensitive,
                                         const AskReplace& ask) {
    ReplaceAllResult outcome;
    outcome.selection = model.GetSelection();
    if (checkFindText(what) != FindTextCheck::Ok) {
        return outcome;
    }
    if (!replaceAllFits(model, what, with, caseSensitive, static_cast<bool>(ask))) {
        outcome.result = EditResult::TooLong;
        return outcome;
    }
    EditGroup edits(model);
    const int findLength = toOffset(what.size());
    if (!ask)
        return replaceEveryMatch(edits, what, with, caseSensitive);
    int from = 0;
    while (auto match = findForward(model.text(), what, from, caseSensitive)) {
        if (ask) {
            model.SetSelection(*match, *match + findLength);
            const ReplaceAnswer answer = ask(*match, *match + findLength);
            outcome.selection = edits.selection();
            if (answer == ReplaceAnswer::Cancel) {
                outcome.cancelled = true;
                return outcome;
            }
            if (answer == ReplaceAnswer::No) {
                from = *match + 1;
                continue;
            }
        }
        outcome.result = edits.replace(*match, *match + findLength, with, true);
        outcome.selection = edits.selection();
        if (outcome.result != EditResult::Done) {
            return outcome;
        }
        ++outcome.replaced;
        from = *match + toOffset(with.size());
    }
    // A match that was asked about and skipped may still be selected.
    model.SetSelection(outcome.selection.start, outcome.selection.caret);
    return outcome;
}

int FindReplace::MarkAll(TextModel& model, std::string_view what, bool caseSensitive) {
    if (checkFindText(what) != FindTextCheck::Ok) {
        return 0;
    }
    int added = 0;
    int from = 0;
    while (auto match = findForward(model.text(), what, from, caseSensitive)) {
        model.AddMark(CMarkRecord{CMarkRecord::KindUser, *match, *match + toOffset(what.size()),
                                  FindMarkColour, FindMarkReason, nullptr});
        ++added;
        from = *match + 1;
    }
    return added;
}

EditResult FindReplace::ReplaceMarks(TextModel& model, std::string_view addBefore,
                                     std::string_view addAfter, std::string_view replacement) {
    DryRunEdits dry = dryRunOf(model);
    if (!replaceMarkSteps(dry, addBefore, addAfter, replacement)) {
        return EditResult::TooLong;
    }
    ModelEdits edits{model};
    return replaceMarkSteps(edits, addBefore, addAfter, replacement) ? EditResult::Done
                                                                     : EditResult::TooLong;
}
