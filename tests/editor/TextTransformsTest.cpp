#include "editor/TextTransforms.h"

#include "ModelHelpers.h"
#include "editor/IMarkLink.h"
#include "html/CTagData.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// DIV nests, P is marked (OPEN) and so never changes the depth.
class SmartTabs : public ::testing::Test {
protected:
    void SetUp() override { tags.loadFromText("DIV\n{\n}\nP\n{\n(OPEN)\n}\nB\n{\n}\n", ""); }

    std::string reindented(std::string_view text, int start = 0, int caret = -1) {
        model = modelWith(text);
        model.SetSelection(start, caret < 0 ? model.length() : caret);
        result = TextTransforms::SmartTabs(model, tags);
        return model.text();
    }

    CTagData tags;
    TextModel model;
    EditResult result = EditResult::BadRange;
};

TEST_F(SmartTabs, FourLinesIndentOnlyTheTextInsideTheNestingTag) {
    EXPECT_EQ(reindented("some text\n<DIV>\nline\n</DIV>"), "some text\n<DIV>\n\tline\n</DIV>");
    EXPECT_EQ(result, EditResult::Done);
    EXPECT_EQ(model.GetSelection().start, 0);
    EXPECT_EQ(model.GetSelection().caret, model.length()) << "the caret follows the added tab";
    EXPECT_TRUE(model.isModified());
}

// The whole text selected and reindented.
TEST_F(SmartTabs, EachLineGetsOneTabPerNestingTagOpenBeforeIt) {
    struct Case {
        const char* what;
        const char* text;
        const char* reindented;
    };
    const Case cases[] = {
        {"WrongTabsAreCorrectedAndNestingAddsUp", "<DIV>\n\t\t\t<DIV>\nx\n\t</DIV>\n</DIV>",
         "<DIV>\n\t<DIV>\n\t\tx\n\t</DIV>\n</DIV>"},
        {"TheFirstLineSetsTheBaseAndKeepsItsOwnTabs", "\t\t<DIV>\nx\n</DIV>",
         "\t\t<DIV>\n\t\t\tx\n\t\t</DIV>"},
        {"OpenTagsAndUnknownTagsLeaveTheDepthAlone", "<P>\n\tone\n<BLINK>\ntwo\n</BLINK>",
         "<P>\none\n<BLINK>\ntwo\n</BLINK>"},
        {"MoreClosingThanOpeningTagsNeverGoesBelowNoTabs", "</DIV>\n\tx\n</DIV>\n\t\ty",
         "</DIV>\nx\n</DIV>\ny"},
        {"TagsSharingALine", "<DIV><B>\nx</B>\n</DIV>", "<DIV><B>\n\tx</B>\n</DIV>"},
        {"TagsSpanningLines", "<DIV\n\tclass=a>\nx\n</DIV>", "<DIV\nclass=a>\n\tx\n</DIV>"},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(reindented(item.text), item.reindented) << item.what;
    }
}

TEST_F(SmartTabs, FromMidLineItStartsAtTheLineStartWithoutDuplicatingIt) {
    EXPECT_EQ(reindented("ab<DIV>\ncd\n</DIV>", 1), "ab<DIV>\n\tcd\n</DIV>");
    EXPECT_EQ(model.GetSelection().start, 1);
    EXPECT_EQ(model.GetSelection().caret, model.length());
}

TEST_F(SmartTabs, TheLineAfterAFinalLineFeedIsOutsideAndKeepsItsTabs) {
    EXPECT_EQ(reindented("<DIV>\nx\n\ty", 0, 8), "<DIV>\n\tx\n\ty");
    EXPECT_EQ(model.GetSelection().caret, 9);
}

TEST_F(SmartTabs, NothingToChangeRecordsNoStep) {
    model = modelWith("<DIV>\n\tx");
    model.SetSelection(3, 3);
    const std::size_t steps = model.undoList().size();
    EXPECT_EQ(TextTransforms::SmartTabs(model, tags), EditResult::Done);
    EXPECT_EQ(model.undoList().size(), steps);
    EXPECT_FALSE(model.isModified());
}

TEST_F(SmartTabs, UndoRestoresTextAndSelection) {
    reindented("a\n<DIV>\nb\n</DIV>", 1);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "a\n<DIV>\nb\n</DIV>");
    EXPECT_EQ(model.GetSelection().start, 1);
    EXPECT_EQ(model.GetSelection().caret, 16);
}

TEST_F(SmartTabs, AddsAsManyTabsAsTheBlockNeeds) {
    constexpr int Lines = 70'000;
    std::string text = "<DIV>\n";
    for (int i = 0; i < Lines; ++i) {
        text += "x\n";
    }
    const std::string result = reindented(text);
    EXPECT_EQ(result.size(), text.size() + Lines);
    EXPECT_EQ(std::count(result.begin(), result.end(), '\t'), Lines);
    EXPECT_EQ(result.substr(result.size() - 3), "\tx\n") << "the last line is indented too";
}

TEST_F(SmartTabs, GrowthPastTheLimitChangesNothing) {
    std::string text = "<DIV>\n";
    text += std::string(TextModel::Capacity - text.size() - 2, 'x');
    text += "\ny";
    EXPECT_EQ(reindented(text), text);
    EXPECT_EQ(result, EditResult::TooLong);
    EXPECT_EQ(model.GetSelection().caret, model.length());
}

// ---- case ------------------------------------------------------------------------

TEST(CaseTransforms, UpperCaseConvertsTheByteAtTheCaretToo) {
    TextModel model = modelWith("abc");
    model.SetSelection(0, 2);
    EXPECT_EQ(TextTransforms::UpperCase(model), EditResult::Done);
    EXPECT_EQ(model.text(), "ABC");
    EXPECT_EQ(model.GetSelection().caret, 2) << "the selection stays";
}

TEST(CaseTransforms, AnEmptySelectionConvertsOnlyTheByteAtTheCaret) {
    TextModel model = modelWith("abc");
    model.SetSelection(1, 1);
    TextTransforms::UpperCase(model);
    EXPECT_EQ(model.text(), "aBc");
    model.SetSelection(3, 3);
    EXPECT_EQ(TextTransforms::UpperCase(model), EditResult::Done) << "no byte at the end";
    EXPECT_EQ(model.text(), "aBc");
}

// The whole text selected and converted.
TEST(CaseTransforms, ConvertLettersOutsideTagsAsEachSays) {
    struct Case {
        const char* what;
        EditResult (*transform)(TextModel&);
        const char* text;
        const char* converted;
    };
    const Case cases[] = {
        {"LowerCaseLeavesOtherBytesAlone", TextTransforms::LowerCase,
         "<A HREF=\"X\">\xc3\x89T\xc3\x89</A>", "<a href=\"x\">\xc3\x89t\xc3\x89</a>"},
        {"SmartCaseStartsSentencesAndSkipsTags", TextTransforms::SmartCase,
         "hello. WORLD <B>X</B> again", "Hello. World <B>X</B> Again"},
        {"SmartCaseStartsAParagraphAfterAnEmptyLineOnly", TextTransforms::SmartCase,
         "a. b\nC\n\nd <a HREF=x.y>e", "A. B\nc\n\nD <a HREF=x.y>E"},
    };
    for (const Case& item : cases) {
        TextModel model = modelWith(item.text);
        model.SelectAll();
        item.transform(model);
        EXPECT_EQ(model.text(), item.converted) << item.what;
    }
}

TEST(CaseTransforms, EachIsOneUndoStepThatRestoresTextAndSelection) {
    TextModel model = modelWith("Mixed Case");
    model.SetSelection(2, 7);
    const std::size_t steps = model.undoList().size();
    TextTransforms::LowerCase(model);
    EXPECT_EQ(model.text(), "Mixed case");
    EXPECT_TRUE(model.isModified());
    TextTransforms::UpperCase(model);
    EXPECT_EQ(model.text(), "MiXED CAse");
    EXPECT_EQ(model.undoList().size(), steps + 2);
    ASSERT_TRUE(model.Undo());
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.text(), "Mixed Case");
    EXPECT_EQ(model.GetSelection().start, 2);
    EXPECT_EQ(model.GetSelection().caret, 7);
}

TEST(CaseTransforms, UnchangedTextRecordsNoStep) {
    TextModel model = modelWith("ABC");
    model.SelectAll();
    const std::size_t steps = model.undoList().size();
    TextTransforms::UpperCase(model);
    EXPECT_EQ(model.undoList().size(), steps);
    EXPECT_FALSE(model.isModified());
}

class SpanRecord : public IMarkLink {
public:
    int spanStart() const override { return start; }
    int spanEnd() const override { return end; }
    void setSpan(int newStart, int newEnd) override {
        start = newStart;
        end = newEnd;
    }
    int start = 0;
    int end = 0;
};

TEST(CaseTransforms, MarksAndTheirLinksStayWhereTheyWere) {
    TextModel model = modelWith("one two three");
    SpanRecord link;
    link.start = 2;
    link.end = 6;
    model.AddMark({CMarkRecord::KindErrorLog, 2, 6, 6, "error", &link});
    model.AddMark({CMarkRecord::KindUser, 5, 6, 4, "inside", nullptr});
    model.SetSelection(4, 9);
    TextTransforms::UpperCase(model);
    EXPECT_EQ(model.text(), "one TWO THree");
    ASSERT_EQ(model.marks().size(), 2u);
    EXPECT_EQ(model.marks()[0].start, 2);
    EXPECT_EQ(model.marks()[0].end, 6);
    EXPECT_EQ(link.start, 2);
    EXPECT_EQ(link.end, 6);
    EXPECT_EQ(model.marks()[1].start, 5);
    EXPECT_EQ(model.marks()[1].end, 6);
}

struct MarkSpan {
    int start;
    int end;
    bool operator==(const MarkSpan&) const = default;
};

std::vector<MarkSpan> markSpans(const TextModel& model) {
    std::vector<MarkSpan> spans;
    for (const CMarkRecord& mark : model.marks()) {
        spans.push_back({mark.start, mark.end});
    }
    return spans;
}

TEST(CaseTransforms, UndoAndRedoKeepEveryMarkAndItsLink) {
    using Transform = EditResult (*)(TextModel&);
    const std::pair<const char*, Transform> transforms[] = {
        {"upper", TextTransforms::UpperCase},
        {"lower", TextTransforms::LowerCase},
        {"smart", TextTransforms::SmartCase},
    };
    for (const auto& [name, transform] : transforms) {
        SCOPED_TRACE(name);
        TextModel model = modelWith("One two. THREE four");
        SpanRecord link;
        link.start = 4;
        link.end = 7;
        model.AddMark({CMarkRecord::KindUser, 0, 3, attrIndex(Attr::Mark), "user", nullptr});
        model.AddMark({CMarkRecord::KindErrorLog, 4, 7, attrIndex(Attr::Special), "error", &link});
        model.AddMark(
            {CMarkRecord::KindLinkValidator, 9, 14, attrIndex(Attr::Special), "link", nullptr});
        model.AddMark({CMarkRecord::KindUser, 2, 11, attrIndex(Attr::Mark), "across", nullptr});
        model.SetSelection(0, 18);
        const std::vector<MarkSpan> spans = markSpans(model);
        const std::string original = model.text();
        ASSERT_EQ(transform(model), EditResult::Done);
        const std::string changed = model.text();
        ASSERT_NE(changed, original);
        ASSERT_TRUE(model.Undo());
        EXPECT_EQ(model.text(), original);
        EXPECT_EQ(markSpans(model), spans);
        ASSERT_TRUE(model.Redo());
        EXPECT_EQ(model.text(), changed);
        EXPECT_EQ(markSpans(model), spans);
        EXPECT_EQ(link.start, 4);
        EXPECT_EQ(link.end, 7);
    }
}

} // namespace
