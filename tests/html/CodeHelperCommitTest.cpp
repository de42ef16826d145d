#include "html/CodeHelperCommit.h"

#include "CodeHelperTags.h"
#include "html/CTagData.h"
#include "html/CodeHelperList.h"

#include <gtest/gtest.h>

namespace {

struct CommitCase {
    const char* marked; // the caret at "|"
    const char* entry;
    const char* result;
};

// Opens the list at the caret as the editor would, then applies the edit
// that Return makes with entry chosen.
std::string commit(const CommitCase& test) {
    CTagData tags;
    tags.loadFromText(CodeHelperTags, "");
    std::string text = test.marked;
    const int caret = static_cast<int>(text.find('|'));
    text.erase(static_cast<size_t>(caret), 1);
    CodeHelperList list;
    const CodeHelperChoice choice =
        ChooseCodeHelperEntries(tags, CodeHelperContext{text, caret, caret, {}}, list);
    if (!choice.caretTag) {
        return "no caret tag";
    }
    const std::optional<CodeHelperEdit> edit =
        CodeHelperCommitEdit(tags, text, choice.mode, *choice.caretTag, test.entry);
    if (!edit) {
        return "no edit";
    }
    text.replace(static_cast<size_t>(edit->span.start),
                 static_cast<size_t>(edit->span.end - edit->span.start), edit->text);
    return text;
}

class CodeHelperCommit : public ::testing::TestWithParam<CommitCase> {};

TEST_P(CodeHelperCommit, ReplacesTheWordBeingTyped) {
    EXPECT_EQ(commit(GetParam()), GetParam().result) << GetParam().marked;
}

INSTANTIATE_TEST_SUITE_P(
    TagNames, CodeHelperCommit,
    ::testing::Values(
        // A tag with arguments: the user goes on with them.
        CommitCase{"<ta|", "TABLE", "<TABLE"},
        // Without arguments (or with wildcards only) the tag is finished.
        CommitCase{"<b|", "B", "<B>"}, CommitCase{"<b|r", "BR", "<BR>"},
        CommitCase{"<b|>", "B", "<B>"},
        // A name the vocabulary does not know is treated as one with arguments.
        CommitCase{"<x|", "XMP", "<XMP"},
        // Closing tags get their "/" back and a ">" unless one follows.
        CommitCase{"<table></|", "TABLE", "<table></TABLE>"},
        CommitCase{"<table></ta|", "TABLE", "<table></TABLE>"},
        CommitCase{"<table></ta|>", "TABLE", "<table></TABLE>"}));

INSTANTIATE_TEST_SUITE_P(
    ArgumentsAndValues, CodeHelperCommit,
    ::testing::Values(CommitCase{"<table al|", "ALIGN", "<table ALIGN"},
                      CommitCase{"<table al| width=1>", "ALIGN", "<table ALIGN width=1>"},
                      CommitCase{"<table align=r|", "RIGHT", "<table align=RIGHT"},
                      // The opening quote goes with the typed value.
                      CommitCase{"<table align=\"ri|", "RIGHT", "<table align=RIGHT"},
                      CommitCase{"<table align=|", "LEFT", "<table align=LEFT"},
                      // Two blanks or a tab before the argument: the word is
                      // still replaced exactly.
                      CommitCase{"<table  al|", "ALIGN", "<table  ALIGN"},
                      CommitCase{"<table \talign=\"ce|", "CENTER", "<table \talign=CENTER"}));

TEST(CodeHelperCommitHidden, NothingToDoWithTheListHidden) {
    CTagData tags;
    CCaretTag tag;
    EXPECT_FALSE(CodeHelperCommitEdit(tags, "<b", CodeHelperMode::Hidden, tag, "B"));
}

} // namespace
