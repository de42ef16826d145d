#include "html/TagInfoText.h"

#include "html/CTagData.h"

#include <gtest/gtest.h>

namespace {

class TagInfoTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.loadFromText("A\n{\n(INFO) Anchor\nHREF\n{\n(INFO) Link target\n}\nNAME\n{\n}\n}\n"
                          "B\n{\n}\n",
                          "");
    }

    std::string info(std::string_view text, int position,
                     std::optional<std::string> mark = std::nullopt) const {
        return TagInfoText(data, text, position, mark);
    }

    CTagData data;
};

TEST_F(TagInfoTextTest, TagAndArgumentInfo) {
    std::string_view text = "<a href=x name=y>t</a>";
    EXPECT_EQ(info(text, 1), " Anchor");
    EXPECT_EQ(info(text, 4), " Link target");
    EXPECT_EQ(info(text, 8), " Link target");
    EXPECT_EQ(info(text, 11), ""); // NAME has no info of its own
    EXPECT_EQ(info(text, 17), "");
    EXPECT_EQ(info(text, 20), "End of  Anchor");
}

TEST_F(TagInfoTextTest, UnknownTagsAndArgumentsFallBack) {
    EXPECT_EQ(info("<blink x=1>", 2), "");
    EXPECT_EQ(info("<A TITLE=1>", 5), " Anchor");
    EXPECT_EQ(info("<b>", 1), "");
}

TEST_F(TagInfoTextTest, MarkReasonComesFirst) {
    EXPECT_EQ(info("<a>", 1, std::string("Marked by User")), "Marked by User");
    EXPECT_EQ(info("text", 1, std::string()), "");
}

} // namespace
