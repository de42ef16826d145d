#pragma once

#include "TextModel.h"
#include "editor/Attribute.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

// Whether a find text can be searched for at all.
enum class FindTextCheck {
    Ok,
    Empty,   // matches everywhere; nothing is searched
    TooLong, // longer than FindReplace::MaxFindLength
};

// The user's answer to "Replace this?" for one match.
enum class ReplaceAnswer { Yes, No, Cancel };

struct ReplaceAllResult {
    EditResult result = EditResult::Done;
    int replaced = 0;
    bool cancelled = false;
    // The selection the user had, on the same text or collapsed where a
    // replacement took part of it.
    Selection selection;
};

// Searching, replacing and marking in one document. Matches compare bytes;
// without case sensitivity only the ASCII letters fold, so multi-byte UTF-8
// text is matched exactly. Replace All and Mark All scan the whole text from
// offset 0; FindText steps away from the selection start.
class FindReplace {
public:
    static constexpr std::size_t MaxFindLength = 255;
    static constexpr int FindMarkColour = attrIndex(Attr::Mark);
    static constexpr const char* FindMarkReason = "Marked by Find Command";

    // Asked with the match selected in the model; the caller shows it first.
    using AskReplace = std::function<ReplaceAnswer(int start, int end)>;

    static FindTextCheck checkFindText(std::string_view what);

    // The first match that starts at from or later.
    static std::optional<int> findForward(std::string_view text, std::string_view what, int from,
                                          bool caseSensitive);
    // The last match that starts at from or earlier.
    static std::optional<int> findBackward(std::string_view text, std::string_view what, int from,
                                           bool caseSensitive);

    // Searches one byte after (step +1) or before (step -1) the selection
    // start; a match becomes the selection. Not found, or a find text that
    // fails checkFindText: the selection stays and the result is empty.
    static std::optional<int> FindText(TextModel& model, std::string_view what, int step,
                                       bool caseSensitive);

    // Replaces every match, dropping the marks over the replaced text, all
    // as one undo step; the search goes on after the inserted text, so a
    // replacement that contains the find text still ends. With ask, a match
    // is replaced only on Yes; No goes on one byte after the match. A command
    // that could pass the capacity is refused before the first change. After
    // Cancel the model is not touched again, so ask may close the document;
    // otherwise the model ends with the result's selection.
    static ReplaceAllResult ReplaceAll(TextModel& model, std::string_view what,
                                       std::string_view with, bool caseSensitive,
                                       const AskReplace& ask = {});

    // Adds a user mark over every match, overlapping ones included, without
    // looking at the marks already there. Returns the number added.
    static int MarkAll(TextModel& model, std::string_view what, bool caseSensitive);

    // Puts addBefore before and addAfter after every user mark, and replaces
    // its text when replacement is not empty; each mark ends up over its
    // (new) text. One undo step; the selection stays on its text. Refused
    // whole when the text would pass the capacity.
    static EditResult ReplaceMarks(TextModel& model, std::string_view addBefore,
                                   std::string_view addAfter, std::string_view replacement);
};
