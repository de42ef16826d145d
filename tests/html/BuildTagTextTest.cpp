#include "html/BuildTagText.h"

#include "html/CValueSpec.h"

#include <gtest/gtest.h>

namespace {

using Kind = ArgControlKind;

TagArgumentValue field(const char* name, Kind kind, const char* text) {
    return {name, kind, text, false};
}

TagArgumentValue box(const char* name, bool checked) {
    return {name, Kind::Flag, "", checked};
}

struct BuildCase {
    const char* name;
    const char* tag;
    std::vector<TagArgumentValue> arguments;
    const char* expected;
};

void PrintTo(const BuildCase& row, std::ostream* out) {
    *out << row.name;
}

class BuildTagTextCase : public ::testing::TestWithParam<BuildCase> {};

TEST_P(BuildTagTextCase, WritesTheFilledArgumentsInTheirOrder) {
    EXPECT_EQ(BuildTagText(GetParam().tag, GetParam().arguments), GetParam().expected);
}

const BuildCase kBuildCases[] = {
    {"NoArguments", "BR", {}, "<BR>"},
    {"AllFieldsEmpty",
     "A",
     {field("HREF", Kind::Url, ""), field("NAME", Kind::Text, ""), box("DOWNLOAD", false)},
     "<A>"},
    {"OnlyOneField",
     "A",
     {field("HREF", Kind::Url, ""), field("NAME", Kind::Text, "top"), box("DOWNLOAD", false)},
     "<A NAME=top>"},
    {"EveryKindFilled",
     "T",
     {field("S", Kind::Text, "s"), field("V", Kind::Values, "LEFT"), box("F", true),
      field("I", Kind::Integer, "12"), field("U", Kind::Url, "a/b.html"),
      field("C", Kind::Color, "\"#0000FF\"")},
     "<T S=s V=LEFT F I=12 U=a/b.html C=\"#0000FF\">"},
    {"TheGivenOrderNotTheNames",
     "IMG",
     {field("SRC", Kind::Url, "x.gif"), field("ALT", Kind::Text, "x"), box("ISMAP", true)},
     "<IMG SRC=x.gif ALT=x ISMAP>"},
    {"ACheckBoxWithTextStillCountsOnlyItsCheck",
     "INPUT",
     {TagArgumentValue{"CHECKED", Kind::Flag, "stray", false}},
     "<INPUT>"},
    {"ValuesAreWrittenAsTyped",
     "P",
     {field("TITLE", Kind::Text, "a \"b\" <c>\nd"), field("ID", Kind::Text, " x ")},
     "<P TITLE=a \"b\" <c>\nd ID= x >"},
};

INSTANTIATE_TEST_SUITE_P(Texts, BuildTagTextCase, ::testing::ValuesIn(kBuildCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct KindCase {
    const char* name;
    CValueSpec values;
    Kind expected;
};

CValueSpec valueSpec(std::initializer_list<bool CValueSpec::*> flags, bool withValues = false) {
    CValueSpec values;
    for (bool CValueSpec::*flag : flags)
        values.*flag = true;
    if (withValues)
        values.values = {{"ONE"}, {"TWO"}};
    return values;
}

class ArgControlKindCase : public ::testing::TestWithParam<KindCase> {};

TEST_P(ArgControlKindCase, TheLastKindThatAppliesWins) {
    EXPECT_EQ(ArgControlKindOf(GetParam().values), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Specs, ArgControlKindCase,
    ::testing::Values(
        KindCase{"NothingIsACheckBox", valueSpec({}), Kind::Flag},
        KindCase{"OnlyLinkIsACheckBox", valueSpec({&CValueSpec::link}), Kind::Flag},
        KindCase{"StringIsText", valueSpec({&CValueSpec::string}), Kind::Text},
        KindCase{"ScriptIsText", valueSpec({&CValueSpec::javascript}), Kind::Text},
        KindCase{"PercentIsText", valueSpec({&CValueSpec::percent}), Kind::Text},
        KindCase{"ValuesAreAList", valueSpec({}, true), Kind::Values},
        KindCase{"IntegerCounts", valueSpec({&CValueSpec::integer}), Kind::Integer},
        KindCase{"IntegerWithValuesCounts", valueSpec({&CValueSpec::integer}, true), Kind::Integer},
        KindCase{"UrlBrowses", valueSpec({&CValueSpec::url, &CValueSpec::link}), Kind::Url},
        KindCase{"UrlWithValuesBrowses", valueSpec({&CValueSpec::url}, true), Kind::Url},
        KindCase{"ColorChooses", valueSpec({&CValueSpec::color}), Kind::Color},
        KindCase{"ColorAndIntegerIsColor", valueSpec({&CValueSpec::color, &CValueSpec::integer}),
                 Kind::Color},
        KindCase{"ColorAndUrlIsColor", valueSpec({&CValueSpec::url, &CValueSpec::color}),
                 Kind::Color}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
