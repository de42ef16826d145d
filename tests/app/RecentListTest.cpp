#include "app/RecentList.h"

#include <gtest/gtest.h>

namespace {
using Paths = std::vector<std::string>;
}

TEST(RecentList, NewPathsGoToTheHeadAndTheSixthDropsTheOldest) {
    RecentList list;
    for (const char* path : {"/1", "/2", "/3", "/4", "/5"}) {
        list.add(path);
    }
    EXPECT_EQ(list.entries(), (Paths{"/5", "/4", "/3", "/2", "/1"}));
    list.add("/6");
    EXPECT_EQ(list.entries(), (Paths{"/6", "/5", "/4", "/3", "/2"}));
}

TEST(RecentList, AListedPathKeepsItsPlace) {
    RecentList list;
    list.add("/a");
    list.add("/b");
    list.add("/a");
    EXPECT_EQ(list.entries(), (Paths{"/b", "/a"}));
}

TEST(RecentList, ComparisonIsCaseSensitive) {
    RecentList list;
    list.add("/a.html");
    list.add("/A.html");
    EXPECT_EQ(list.size(), 2u);
}

TEST(RecentList, LoadingSkipsEmptySlotsAndRepeats) {
    RecentList list;
    for (const char* slot : {"", "/b", "/c", "/b", "/d"}) {
        list.appendLoaded(slot);
    }
    EXPECT_EQ(list.entries(), (Paths{"/b", "/c", "/d"}));
}
