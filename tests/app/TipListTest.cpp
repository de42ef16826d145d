#include "app/TipList.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// The tip shown at start-up after so many steps, then each Next Tip.
TEST(TipList, StartsAfterTheStepsAndCyclesThroughEveryLine) {
    struct Case {
        const char* what;
        const char* text;
        std::size_t size;
        unsigned steps;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"SevenStepsOverThreeTipsShowTheFirstThenCycle",
         "one\ntwo\nthree\n",
         3,
         7,
         {"one", "two", "three", "one"}},
        {"ZeroStepsShowNothingAndNextStartsAtTheFirst", "one\ntwo\n", 2, 0, {"", "one"}},
        {"EveryLineCountsAndTheLastNeedsNoLineEnd", "a\r\n\nlast", 3, 2, {"", "last"}},
        {"ALoneCarriageReturnEndsATipToo",
         "one\rtwo\r\nthree\r",
         3,
         1,
         {"one", "two", "three", "one"}},
    };
    for (const Case& item : cases) {
        TipList tips;
        tips.setText(item.text);
        EXPECT_EQ(tips.size(), item.size) << item.what;
        std::vector<std::string> shown{tips.start(item.steps)};
        while (shown.size() < item.shown.size()) {
            shown.push_back(tips.next());
        }
        EXPECT_EQ(shown, item.shown) << item.what;
    }
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
