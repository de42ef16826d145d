#include "html/CTagData.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

CTagData parse(std::string_view tags, std::string_view colors = "") {
    CTagData data;
    data.loadFromText(tags, colors);
    return data;
}

std::vector<std::string> names(const std::vector<TagTreeNode>& nodes) {
    std::vector<std::string> result;
    for (const TagTreeNode& node : nodes)
        result.push_back(node.text);
    return result;
}

using Names = std::vector<std::string>;

TEST(TagDataParserTest, ReadsTagsArgumentsAndKeywordsInFileOrder) {
    CTagData data = parse("A\n{\n(OPEN)\n(WITHIN) ROOT\n(GROUP) Links\n(INFO) Anchor\n"
                          "HREF\n{\n(LINK)\n(INFO) Target\n}\nTARGET\n{\n_BLANK\n_TOP\n}\n}\n"
                          "SCRIPT\n{\n(SUSPEND)\n(TOTALSUSPEND)\n}\n");
    ASSERT_EQ(data.tags().size(), 2u);
    const CTagDef& a = data.tags()[0];
    EXPECT_EQ(a.name, "A");
    EXPECT_TRUE(a.open);
    EXPECT_EQ(a.within, Names{"ROOT"});
    EXPECT_EQ(a.group, "Links");
    EXPECT_EQ(a.info, " Anchor");
    ASSERT_EQ(a.arguments.size(), 2u);
    EXPECT_TRUE(a.arguments[0].values.link);
    EXPECT_EQ(a.arguments[0].info, " Target");
    ASSERT_EQ(a.arguments[1].values.values.size(), 2u);
    EXPECT_EQ(a.arguments[1].values.values[1].text, "_TOP");
    EXPECT_TRUE(data.tags()[1].suspend);
    EXPECT_TRUE(data.tags()[1].totalSuspend);
    EXPECT_FALSE(data.tags()[1].open);
}

TEST(TagDataParserTest, NameLineSeparatedFromBraceByBlankLineGivesEmptyName) {
    CTagData data = parse("A\n\n{\nHREF\n\n{\n}\n}\n");
    ASSERT_EQ(data.tags().size(), 1u);
    EXPECT_EQ(data.tags()[0].name, "");
    ASSERT_EQ(data.tags()[0].arguments.size(), 1u);
    EXPECT_EQ(data.tags()[0].arguments[0].name, "");
}

TEST(TagDataParserTest, KeywordLinesAlsoBecomeThePendingArgumentName) {
    CTagData data = parse("BR\n{\n(OPEN)\n{\n}\n(WITHIN) ROOT\nCLEAR\n{\n}\n}\n");
    const CTagDef& br = data.tags()[0];
    EXPECT_TRUE(br.open);
    EXPECT_EQ(br.within, Names{"ROOT"});
    ASSERT_EQ(br.arguments.size(), 2u);
    EXPECT_EQ(br.arguments[0].name, "(OPEN)");
    EXPECT_EQ(br.arguments[1].name, "CLEAR");
}

TEST(TagDataParserTest, ArgumentBodyKeywordsAndValues) {
    CTagData data = parse("F\n{\nSIZE\n{\n(INTEGER) 1 to 7\n(INFO)  two blanks\n\n"
                          "  (COLOR)  \n(PERCENT) trailing\n}\n}\n");
    const CArgDef& size = data.tags()[0].arguments[0];
    EXPECT_TRUE(size.values.integer);
    EXPECT_TRUE(size.values.color);
    EXPECT_FALSE(size.values.percent); // "(PERCENT) trailing" is a value, not the keyword
    EXPECT_EQ(size.info, "  two blanks");
    ASSERT_EQ(size.values.values.size(), 2u);
    EXPECT_EQ(size.values.values[0].text, ""); // a blank line is a value too
    EXPECT_EQ(size.values.values[1].text, "(PERCENT) trailing");
}

TEST(TagDataParserTest, UnbalancedBracesAreClosedAtEndOfFile) {
    CTagData data = parse("A\n{\nHREF\n{\n(LINK)");
    ASSERT_EQ(data.tags().size(), 1u);
    ASSERT_EQ(data.tags()[0].arguments.size(), 1u);
    EXPECT_TRUE(data.tags()[0].arguments[0].values.link);

    CTagData stray = parse("}\n}\nB\n{\n}\n}\n{\n");
    ASSERT_EQ(stray.tags().size(), 2u);
    EXPECT_EQ(stray.tags()[0].name, "B");
    EXPECT_EQ(stray.tags()[1].name, "}"); // the last top-level line before "{"
}

TEST(TagDataParserTest, AnyLineEndAndSurroundingWhiteSpaceIsAccepted) {
    CTagData data = parse("  A \r\n{\r(WITHIN)   BODY  \r\n\t}\r\nB\n{\n}");
    ASSERT_EQ(data.tags().size(), 2u);
    EXPECT_EQ(data.tags()[0].name, "A");
    EXPECT_EQ(data.tags()[0].within, Names{"BODY"});
    EXPECT_EQ(data.tags()[1].name, "B");
}

TEST(TagDataParserTest, KeepsEveryWithinLineAndEveryColour) {
    std::string tags = "X\n{\n";
    std::string colors;
    for (int i = 0; i < 25; ++i)
        tags.append("(WITHIN) P").append(std::to_string(i)).append("\n");
    for (int i = 0; i < 300; ++i)
        colors.append("c").append(std::to_string(i)).append("\n");
    CTagData data = parse(tags + "}\n", colors);
    ASSERT_EQ(data.tags()[0].within.size(), 25u);
    EXPECT_EQ(data.tags()[0].within[24], "P24");
    EXPECT_EQ(data.colors().count(), 300);
    EXPECT_TRUE(data.colors().contains("C299"));
}

TEST(TagDataParserTest, ThousandsOfTagsAndGroupsLoad) {
    std::string tags;
    for (int i = 0; i < 20000; ++i)
        tags.append("T")
            .append(std::to_string(i))
            .append("\n{\n(GROUP) G")
            .append(std::to_string(i % 5000))
            .append("\n}\n");
    CTagData data = parse(tags);
    EXPECT_EQ(data.tags().size(), 20000u);
    EXPECT_EQ(data.groups().size(), 5000u);
    EXPECT_EQ(data.FindTag("t19999"), &data.tags().back());
}

TEST(TagDataLookupTest, FindTagUpperCasesItsQueryButNotTheFile) {
    CTagData data = parse("lower\n{\n}\nUPPER\n{\n}\nUPPER\n{\n(OPEN)\n}\n");
    EXPECT_EQ(data.FindTag("lower"), nullptr);
    EXPECT_EQ(data.FindTag("LOWER"), nullptr);
    std::string query = "upper";
    const CTagDef* found = data.FindTag(query);
    ASSERT_NE(found, nullptr);
    EXPECT_FALSE(found->open); // the first of two equal names
    EXPECT_EQ(query, "upper");
}

TEST(TagDataLookupTest, ExactArgumentWinsOverWildcardsAndFirstWildcardInFileOrderIsUsed) {
    CTagData data = parse("A\n{\nDATA-*\n{\n(STRING)\n}\nDATA-ID\n{\n(INTEGER)\n}\n"
                          "DATA-I*\n{\n(INTEGER)\n}\nARIA-*\n{\n}\n}\n");
    const CTagDef& a = data.tags()[0];
    EXPECT_EQ(a.FindArgument("data-id"), &a.arguments[1]);
    EXPECT_EQ(a.FindArgument("data-item"), &a.arguments[0]);
    EXPECT_EQ(a.FindArgument("Aria-Label"), &a.arguments[3]);
    EXPECT_EQ(a.FindArgument("DATA"), nullptr);
    EXPECT_EQ(a.FindArgument("XDATA-ID"), nullptr);
}

TEST(TagDataLookupTest, GroupsArgumentAndValueLists) {
    CTagData data = parse("A\n{\n(GROUP) G1\nX\n{\nONE\nTWO\n}\nY\n{\n}\n}\nB\n{\n(GROUP) G2\n}\n"
                          "C\n{\n(GROUP) G1\n}\nD\n{\n}\n");
    EXPECT_EQ(data.groups().size(), 2u);
    ASSERT_NE(data.FindGroup("G2"), nullptr);
    EXPECT_EQ(data.FindGroup("g2"), nullptr); // group names are not upper-cased
    EXPECT_EQ(data.GetTagsInGroup("G1"), (Names{"A", "C"}));
    EXPECT_EQ(data.GetTagsInGroup(""), (Names{"A", "B", "C", "D"}));
    EXPECT_EQ(data.GetArgumentNames("a"), (Names{"X", "Y"}));
    EXPECT_TRUE(data.GetArgumentNames("Q").empty());
    EXPECT_EQ(data.GetValueNames("a", "x"), (Names{"ONE", "TWO"}));
    EXPECT_TRUE(data.GetValueNames("a", "z").empty());
}

TEST(TagDataTreeTest, EachLevelListsItsChildrenInReverseFileOrder) {
    CTagData data = parse("A\n{\n(GROUP) G\nX\n{\nONE\nTWO\n}\nY\n{\n}\n}\n"
                          "B\n{\n(GROUP) G\n}\nNOGROUP\n{\n}\n");
    EXPECT_TRUE(data.FillTagTree(0).empty());
    std::vector<TagTreeNode> groupsOnly = data.FillTagTree(1);
    ASSERT_EQ(groupsOnly.size(), 1u);
    EXPECT_TRUE(groupsOnly[0].children.empty());

    std::vector<TagTreeNode> tree = data.FillTagTree(4);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].group, &data.groups()[0]);
    EXPECT_EQ(names(tree[0].children), (Names{"B", "A"}));
    const TagTreeNode& a = tree[0].children[1];
    EXPECT_EQ(a.tag, &data.tags()[0]);
    EXPECT_EQ(names(a.children), (Names{"Y", "X"}));
    EXPECT_EQ(names(a.children[1].children), (Names{"TWO", "ONE"}));
    EXPECT_TRUE(data.FillTagTree(3)[0].children[1].children[1].children.empty());
}

TEST(TagDataTreeTest, EmptyGroupNameListsEveryResolvableTag) {
    CTagData data = parse("A\n{\n(GROUP)\n}\nb\n{\n}\nC\n{\n}\n");
    std::vector<TagTreeNode> tree = data.FillTagTree(2);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].text, "");
    EXPECT_EQ(names(tree[0].children), (Names{"C", "A"})); // "b" is never found
}

TEST(TagDataFileTest, LoadsFromFilesAndNamesEveryUnreadableOne) {
    TempDir dir;
    std::string tags = dir.write("Tags.txt", "B\r\n{\r\n}\r\n");
    std::string colors = dir.write("Colors.txt", "red\r\n\r\nBlue");
    CTagData data;
    EXPECT_TRUE(data.LoadTagData(tags, colors).ok());
    EXPECT_NE(data.FindTag("b"), nullptr);
    EXPECT_EQ(data.colors().names(), (Names{"RED", "", "BLUE"}));

    std::string missing = (dir.path() / "missing.txt").string();
    TagDataLoadResult result = data.LoadTagData(tags, missing);
    EXPECT_EQ(result.unreadableFiles, Names{missing});
    EXPECT_NE(data.FindTag("B"), nullptr); // the readable file still loads
    EXPECT_EQ(data.colors().count(), 0);

    result = data.LoadTagData(dir.path().string(), colors); // a directory cannot be read
    EXPECT_EQ(result.unreadableFiles, Names{dir.path().string()});
    EXPECT_TRUE(data.tags().empty());
}

} // namespace
