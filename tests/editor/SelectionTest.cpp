#include "editor/Selection.h"

#include <gtest/gtest.h>

namespace {

// Each row: a selection, an edit replacing [start, end) by length bytes,
// and the selection afterwards.
struct FollowCase {
    Selection before;
    int start;
    int end;
    int length;
    Selection after;
};

TEST(SelectionFollowingEdit, StaysOnItsTextOrCollapses) {
    const FollowCase cases[] = {
        {{2, 4}, 6, 8, 1, {2, 4}},  // edit after it
        {{2, 4}, 4, 6, 0, {2, 4}},  // deletion touching its end
        {{2, 4}, 4, 4, 3, {2, 4}},  // insertion at its end
        {{6, 8}, 1, 3, 5, {9, 11}}, // edit before it
        {{6, 8}, 4, 6, 0, {4, 6}},  // deletion touching its start
        {{6, 8}, 6, 6, 2, {8, 10}}, // insertion at its start
        {{6, 8}, 7, 7, 2, {6, 6}},  // insertion inside
        {{6, 8}, 5, 9, 0, {5, 5}},  // edit over all of it
        {{6, 8}, 5, 7, 3, {5, 5}},  // edit over its start
        {{6, 8}, 7, 9, 0, {6, 6}},  // edit over its end
        {{6, 8}, 6, 8, 4, {6, 6}},  // exactly its text replaced
        {{7, 7}, 6, 8, 1, {6, 6}},  // a caret inside the edit
        {{7, 7}, 7, 7, 3, {7, 7}},  // a caret where text is inserted
        {{8, 8}, 6, 8, 1, {7, 7}},  // a caret at the end of the edit
    };
    for (const FollowCase& row : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "[" << row.before.start << ", " << row.before.caret << ") edited at ["
                     << row.start << ", " << row.end << ") to " << row.length);
        const Selection after = row.before.followingEdit(row.start, row.end, row.length);
        EXPECT_EQ(after.start, row.after.start);
        EXPECT_EQ(after.caret, row.after.caret);
    }
}

} // namespace
