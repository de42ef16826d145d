#include "app/TipList.h"

#include "TempDir.h"

#include <gtest/gtest.h>

TEST(TipList, SevenStepsOverThreeTipsShowTheFirstThenCycle) {
    TipList tips;
    tips.setText("one\ntwo\nthree\n");
    EXPECT_EQ(tips.start(7), "one");
    EXPECT_EQ(tips.next(), "two");
    EXPECT_EQ(tips.next(), "three");
    EXPECT_EQ(tips.next(), "one");
}

TEST(TipList, ZeroStepsShowNothingAndNextStartsAtTheFirst) {
    TipList tips;
    tips.setText("one\ntwo\n");
    EXPECT_EQ(tips.start(0), "");
    EXPECT_EQ(tips.next(), "one");
}

TEST(TipList, EveryLineCountsAndTheLastNeedsNoLineEnd) {
    TipList tips;
    tips.setText("a\r\n\nlast");
    ASSERT_EQ(tips.size(), 3u);
    EXPECT_EQ(tips.start(2), "");
    EXPECT_EQ(tips.next(), "last");
}

TEST(TipList, EmptyOrMissingFileShowsNothing) {
    TempDir dir;
    TipList tips;
    EXPECT_FALSE(tips.load(dir.path("Tips.txt")));
    EXPECT_EQ(tips.start(5), "");
    EXPECT_EQ(tips.next(), "");
    dir.write("Tips.txt", "");
    EXPECT_TRUE(tips.load(dir.path("Tips.txt")));
    EXPECT_EQ(tips.size(), 0u);
}

TEST(TipList, TheShippedTipsFileHasAtLeastTwentyTips) {
    TipList tips;
    ASSERT_TRUE(tips.load(TAGWRIGHT_SOURCE_DIR "/data/Help/Tips.txt"));
    EXPECT_GE(tips.size(), 20u);
    for (std::size_t i = 0; i < tips.size(); ++i) {
        EXPECT_FALSE(tips.next().empty()) << "tip " << i;
    }
}

TEST(TipList, ALoneCarriageReturnEndsATipToo) {
    TipList tips;
    tips.setText("one\rtwo\r\nthree\r");
    EXPECT_EQ(tips.start(1), "one");
    EXPECT_EQ(tips.next(), "two");
    EXPECT_EQ(tips.next(), "three");
    EXPECT_EQ(tips.next(), "one");
}
