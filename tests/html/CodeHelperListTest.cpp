#include "html/CodeHelperList.h"

#include <gtest/gtest.h>

namespace {

CodeHelperList listOf(std::initializer_list<const char*> texts) {
    CodeHelperList list;
    for (const char* text : texts) {
        list.AddEntry(text, std::string("info ") + text);
    }
    return list;
}

std::vector<std::string> textsOf(const CodeHelperList& list) {
    std::vector<std::string> texts;
    for (const CListEntry& entry : list.entries()) {
        texts.push_back(entry.text);
    }
    return texts;
}

} // namespace

TEST(CodeHelperList, SortsByBytesAndKeepsTheOrderOfEqualTexts) {
    CodeHelperList list = listOf({"b", "TD", "B", "TABLE", "a", "TD"});
    list.SortEntries();
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"B", "TABLE", "TD", "TD", "a", "b"}));
    // The two TD entries keep the order they were added in.
    EXPECT_EQ(list.entries()[2].index, 1);
    EXPECT_EQ(list.entries()[3].index, 5);
}

struct PrefixCase {
    const char* typed;
    int selected;
};

class CodeHelperListPrefix : public ::testing::TestWithParam<PrefixCase> {};

// The first entry not smaller than the upper-cased text; past the end the
// selection stays where it was.
TEST_P(CodeHelperListPrefix, SelectsTheFirstEntryNotSmallerThanTheTypedText) {
    CodeHelperList list = listOf({"A", "B", "BR", "TABLE", "TD", "TR", "tt.html"});
    list.select(2);
    list.SelectByPrefix(GetParam().typed);
    EXPECT_EQ(list.selected(), GetParam().selected) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Typed, CodeHelperListPrefix,
                         ::testing::Values(PrefixCase{"", 0}, PrefixCase{"t", 3},
                                           PrefixCase{"ta", 3}, PrefixCase{"tab", 3},
                                           PrefixCase{"tc", 4}, PrefixCase{"b", 1},
                                           PrefixCase{"bs", 3}, PrefixCase{"z", 2},
                                           PrefixCase{"tr", 5}, PrefixCase{"TT", 6},
                                           PrefixCase{"tt.", 6}));

TEST(CodeHelperList, NextAndPreviousStopAtTheEnds) {
    CodeHelperList list = listOf({"A", "B", "C"});
    EXPECT_FALSE(list.SelectPrevious());
    EXPECT_EQ(list.selected(), 0);
    EXPECT_TRUE(list.SelectNext());
    EXPECT_TRUE(list.SelectNext());
    EXPECT_FALSE(list.SelectNext());
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.GetSelectedEntryText(), "C");
    EXPECT_EQ(list.selectedInfo(), "info C");
}

TEST(CodeHelperList, TheSelectionShowsWithUpToFourEntriesAboveIt) {
    CodeHelperList list;
    for (int i = 0; i < 30; ++i) {
        list.AddEntry(std::string(1, static_cast<char>('A' + i)), "");
    }
    for (const auto& [typed, top] : std::vector<std::pair<std::string, int>>{
             {"A", 0}, {"C", 0}, {"E", 0}, {"F", 1}, {"K", 6}}) {
        list.SelectByPrefix(typed);
        EXPECT_EQ(list.top(), top) << typed;
    }
    list.scrollBy(100);
    EXPECT_EQ(list.top(), 20) << "the last page";
    EXPECT_EQ(list.selected(), 10) << "scrolling leaves the selection";
    list.scrollBy(-100);
    EXPECT_EQ(list.top(), 0);
}

TEST(CodeHelperList, AnEmptyListHasNoSelectionAndClearingStartsTheCountAgain) {
    CodeHelperList list = listOf({"A", "B"});
    list.ClearEntries();
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.GetSelectedEntryText(), "");
    EXPECT_FALSE(list.SelectNext());
    list.SelectByPrefix("A");
    EXPECT_EQ(list.selected(), -1);
    list.AddEntry("X", "");
    EXPECT_EQ(list.entries()[0].index, 0);
    EXPECT_EQ(list.selected(), 0);
}
