#include "editor/ModelTagInfo.h"

#include "editor/TextModel.h"
#include "html/CTagData.h"

#include <gtest/gtest.h>

namespace {

TEST(ModelTagInfo, ReadsTheMarksOfATextModel) {
    CTagData data;
    data.loadFromText("A\n{\n(INFO) Anchor\nHREF\n{\n(INFO) Link target\n}\n}\n", "");
    TextModel model;
    model.ReplaceRange(0, 0, "<a href=x>link</a>");
    EXPECT_EQ(ModelTagInfo(data, model, 3), " Link target");
    model.SetSelection(1, 2);
    model.MarkSelection();
    EXPECT_EQ(ModelTagInfo(data, model, 2), "Marked by User"); // the end offset counts
    EXPECT_EQ(ModelTagInfo(data, model, 3), " Link target");
}

} // namespace
