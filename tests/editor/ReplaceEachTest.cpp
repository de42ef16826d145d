#include "ModelHelpers.h"
#include "editor/EditGroup.h"
#include "editor/FindReplace.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Everything a model holds that a user or a later command can see, written
// out so that a difference shows where it is.
std::string stateOf(const TextModel& model) {
    std::ostringstream out;
    out << "text '" << model.text() << "' selection " << model.GetSelection().start << '-'
        << model.GetSelection().caret << " modified " << model.isModified() << "\ncolours";
    for (std::uint8_t colour : model.attributes())
        out << ' ' << static_cast<int>(colour);
    out << "\nmarks";
    for (const CMarkRecord& mark : model.marks())
        out << " [" << mark.kind << ' ' << mark.start << '-' << mark.end << ' ' << mark.colour
            << ' ' << mark.reason << ']';
    for (const auto* list : {&model.undoList(), &model.redoList()}) {
        out << (list == &model.undoList() ? "\nundo" : "\nredo");
        for (const UndoStep& step : *list) {
            out << " {";
            for (const CUndoRecord& record : step.records)
                out << " ['" << record.text << "' " << record.start << '+' << record.length
                    << " sel " << record.selectionStart << '-' << record.caret << ' '
                    << record.inPlace << ']';
            out << " }";
        }
    }
    return out.str();
}

struct Case {
    const char* what;
    const char* text;
    const char* find;
    const char* with;
    bool caseSensitive;
    Selection selection;
    std::vector<std::pair<int, int>> marks;
};

// The model as Replace All leaves it, and the same model after replacing the
// matches one by one as separate edits of one group.
void replaceBothWays(const Case& test, TextModel& batched, TextModel& oneByOne) {
    for (TextModel* model : {&batched, &oneByOne}) {
        *model = modelWith(test.text);
        model->SetAttributes(0, model->length(), attrByte(Attr::Tag));
        for (auto [start, end] : test.marks)
            model->AddMark(userMark(start, end));
        model->SetSelection(test.selection.start, test.selection.caret);
    }
    FindReplace::ReplaceAll(batched, test.find, test.with, test.caseSensitive);
    EditGroup group(oneByOne);
    const int findLength = static_cast<int>(std::string_view(test.find).size());
    const int withLength = static_cast<int>(std::string_view(test.with).size());
    int from = 0;
    while (auto match =
               FindReplace::findForward(oneByOne.text(), test.find, from, test.caseSensitive)) {
        ASSERT_EQ(group.replace(*match, *match + findLength, test.with, true), EditResult::Done);
        from = *match + withLength;
    }
}

} // namespace

// Replace All moves the text once for every match; what it leaves is what
// replacing the matches one after another left: text, colours, marks,
// selection and the undo step, also after undo and redo.
TEST(ReplaceAllInOnePass, LeavesWhatReplacingTheMatchesOneByOneLeaves) {
    const Case cases[] = {
        {"growing", "a b a b a", "a", "xyz", true, {0, 0}, {}},
        {"shrinking", "abc-abc-abc", "abc", "q", true, {5, 5}, {}},
        {"to nothing", "<b>x<b>y<b>", "<b>", "", true, {11, 11}, {}},
        {"same length", "one two one", "one", "ONE", true, {0, 11}, {}},
        {"letters of both cases", "Word word WORD", "word", "w", false, {0, 0}, {}},
        {"the find text in the replacement", "aaa", "a", "aa", true, {1, 2}, {}},
        {"line feeds", "x\ny\nx\n", "\n", "\r\n\n", true, {2, 3}, {}},
        {"a selection over two matches", "ab ab ab ab", "ab", "c", true, {1, 7}, {}},
        {"marks over, inside and around matches",
         "<b>one</b> <b>two</b>",
         "<b>",
         "<strong>",
         true,
         {0, 0},
         {{0, 3}, {1, 2}, {0, 10}, {4, 6}, {11, 21}, {21, 21}}},
        {"no match", "abc", "z", "y", true, {1, 2}, {{0, 1}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        TextModel batched;
        TextModel oneByOne;
        replaceBothWays(test, batched, oneByOne);
        ASSERT_EQ(stateOf(batched), stateOf(oneByOne));
        batched.Undo();
        oneByOne.Undo();
        ASSERT_EQ(stateOf(batched), stateOf(oneByOne)) << "after undo";
        batched.Redo();
        oneByOne.Redo();
        ASSERT_EQ(stateOf(batched), stateOf(oneByOne)) << "after redo";
    }
}

TEST(ReplaceAllInOnePass, CountsTheMatchesAndReportsTheKeptSelection) {
    TextModel model = modelWith("ab ab ab");
    model.SetSelection(6, 8);
    const ReplaceAllResult result = FindReplace::ReplaceAll(model, "ab", "xyz", true);
    EXPECT_EQ(result.replaced, 3);
    EXPECT_EQ(model.text(), "xyz xyz xyz");
    EXPECT_EQ(result.selection, (Selection{8, 8}));
    EXPECT_EQ(model.GetSelection(), result.selection);
}
