#include "html/SharedArguments.h"

#include "html/CTagData.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string tagWith(const std::string& name, const std::string& arguments) {
    std::string text = name;
    text.append("\n{\n(WITHIN) ROOT\n").append(arguments).append("}\n");
    return text;
}

const std::string kId = "ID\n{\n(STRING)\n(INFO)Identifier\n}\n";

// tags tags in all; the first sharing of them carry ID, the rest only X.
CTagData vocabularyWithId(int tags, int sharing) {
    std::string text;
    for (int i = 0; i < tags; ++i)
        text += tagWith(std::string("T").append(std::to_string(i)),
                        i < sharing ? kId : std::string("X\n{\n}\n"));
    CTagData data;
    data.loadFromText(text, "");
    return data;
}

struct ThresholdCase {
    int tags;
    int sharing;
    bool shared;
};

class SharedThreshold : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(SharedThreshold, ATenthOfTheTagsAndAtLeastThree) {
    const CTagData data = vocabularyWithId(GetParam().tags, GetParam().sharing);
    const SharedArguments shared(data);
    const CArgDef* id = data.tags().front().FindArgument("ID");
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(shared.isShared(*id), GetParam().shared)
        << GetParam().sharing << " of " << GetParam().tags;
}

INSTANTIATE_TEST_SUITE_P(Counts, SharedThreshold,
                         ::testing::Values(ThresholdCase{2, 2, false}, ThresholdCase{3, 3, true},
                                           ThresholdCase{40, 3, false}, ThresholdCase{40, 4, true},
                                           ThresholdCase{41, 4, false}));

TEST(SharedArguments, AnArgumentThatDiffersInAnythingIsTheTagsOwn) {
    std::string text;
    for (const char* name : {"A", "B", "C"}) {
        std::string arguments = kId;
        arguments.append("ALIGN\n{\nLEFT\nRIGHT\n(INFO)Alignment of ").append(name);
        arguments.append("\n}\nWIDTH\n{\n(INTEGER)\n}\n");
        text += tagWith(name, arguments);
    }
    text += tagWith("D", "ID\n{\n(STRING)\n(INFO)Other\n}\nWIDTH\n{\n(PERCENT)\n}\n");
    CTagData data;
    data.loadFromText(text, "");
    const SharedArguments shared(data);
    const CTagDef& a = *data.FindTag("A");
    EXPECT_TRUE(shared.isShared(*a.FindArgument("ID")));
    EXPECT_FALSE(shared.isShared(*a.FindArgument("ALIGN"))) << "a different description";
    EXPECT_TRUE(shared.isShared(*a.FindArgument("WIDTH")));
    const CTagDef& d = *data.FindTag("D");
    EXPECT_FALSE(shared.isShared(*d.FindArgument("ID"))) << "a different description";
    EXPECT_FALSE(shared.isShared(*d.FindArgument("WIDTH"))) << "a different kind";
}

TEST(SharedArguments, FieldsKeepTheTagsOrderAndLeaveOutPatterns) {
    std::string text;
    for (const char* name : {"A", "B", "C"})
        text += tagWith(name, kId + "DATA-*\n{\n(STRING)\n}\nHREF\n{\n(URL)\n}\nON\n{\n}\n");
    CTagData data;
    data.loadFromText(text + tagWith("E", "HREF\n{\n(STRING)\n}\n"), "");
    const std::vector<TagArgumentField> fields = SharedArguments(data).fieldsOf(*data.FindTag("A"));
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0].definition->name, "ID");
    EXPECT_EQ(fields[1].definition->name, "HREF");
    EXPECT_EQ(fields[2].definition->name, "ON");
    EXPECT_EQ(fields[1].kind, ArgControlKind::Url);
    EXPECT_EQ(fields[2].kind, ArgControlKind::Flag);
    for (const TagArgumentField& field : fields)
        EXPECT_TRUE(field.shared) << field.definition->name;
    EXPECT_FALSE(SharedArguments(data).fieldsOf(*data.FindTag("E"))[0].shared);
}

} // namespace
