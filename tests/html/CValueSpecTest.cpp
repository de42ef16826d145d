#include "html/CValueSpec.h"

#include "html/ColorNames.h"

#include <gtest/gtest.h>

namespace {

class ValueSpecTest : public ::testing::Test {
protected:
    void SetUp() override { colors.loadFromText("Red\nnavy\n"); }

    bool valid(const CValueSpec& spec, std::string_view value) const {
        return spec.IsValidValue(value, colors);
    }

    ColorNames colors;
};

TEST_F(ValueSpecTest, IntegerAcceptsDigitsAndSignsOnly) {
    CValueSpec spec;
    spec.integer = true;
    EXPECT_TRUE(valid(spec, "12"));
    EXPECT_TRUE(valid(spec, "+-3"));
    EXPECT_TRUE(valid(spec, ""));
    EXPECT_FALSE(valid(spec, "1.5"));
    EXPECT_FALSE(valid(spec, "12PX"));
}

TEST_F(ValueSpecTest, PercentNeedsTrailingPercentSign) {
    CValueSpec spec;
    spec.percent = true;
    EXPECT_TRUE(valid(spec, "50%"));
    EXPECT_TRUE(valid(spec, "%"));
    EXPECT_FALSE(valid(spec, "50"));
    EXPECT_FALSE(valid(spec, "5%0%"));
    EXPECT_FALSE(valid(spec, "")); // percent overrides the empty value's pass
}

TEST_F(ValueSpecTest, IntegerOrPercent) {
    CValueSpec spec;
    spec.integer = true;
    spec.percent = true;
    EXPECT_TRUE(valid(spec, "50"));
    EXPECT_TRUE(valid(spec, "50%"));
    EXPECT_FALSE(valid(spec, "50PX"));
}

TEST_F(ValueSpecTest, ColorAcceptsNamesAndSixUpperCaseHexDigits) {
    CValueSpec spec;
    spec.color = true;
    EXPECT_TRUE(valid(spec, "RED"));
    EXPECT_TRUE(valid(spec, "NAVY")); // names are upper-cased on load
    EXPECT_TRUE(valid(spec, "#00FFAA"));
    EXPECT_FALSE(valid(spec, "#00ffaa")); // callers upper-case first
    EXPECT_FALSE(valid(spec, "#00FFA"));
    EXPECT_FALSE(valid(spec, "#00FFAG"));
    EXPECT_FALSE(valid(spec, "00FFAA0"));
    EXPECT_FALSE(valid(spec, "red"));
    EXPECT_FALSE(valid(spec, ""));
}

TEST_F(ValueSpecTest, FreeTextFlagsAcceptAnything) {
    for (bool CValueSpec::*flag : {&CValueSpec::string, &CValueSpec::javascript, &CValueSpec::image,
                                   &CValueSpec::windowname, &CValueSpec::url, &CValueSpec::font}) {
        CValueSpec spec;
        spec.*flag = true;
        spec.color = true; // a failed colour test does not stop them
        EXPECT_TRUE(valid(spec, "ANY THING"));
    }
}

TEST_F(ValueSpecTest, LinkOnlyAcceptsEmptyOrPredefined) {
    CValueSpec spec;
    spec.link = true;
    EXPECT_TRUE(valid(spec, ""));
    EXPECT_FALSE(valid(spec, "INDEX.HTML"));
    spec.values.push_back(CTagValue{"INDEX.HTML"});
    EXPECT_TRUE(valid(spec, "INDEX.HTML"));
}

TEST_F(ValueSpecTest, PredefinedValuesAreComparedExactly) {
    CValueSpec spec;
    spec.values = {CTagValue{"LEFT"}, CTagValue{"RIGHT"}};
    EXPECT_TRUE(valid(spec, "RIGHT"));
    EXPECT_FALSE(valid(spec, "right"));
    EXPECT_FALSE(valid(spec, "CENTER"));
    EXPECT_TRUE(valid(spec, ""));
    EXPECT_EQ(spec.findValue("LEFT"), &spec.values[0]);
}

TEST_F(ValueSpecTest, FlagArgumentIgnoresTheLinkFlag) {
    CValueSpec spec;
    EXPECT_TRUE(spec.IsFlagArgument());
    spec.link = true;
    EXPECT_TRUE(spec.IsFlagArgument());
    spec.url = true;
    EXPECT_FALSE(spec.IsFlagArgument());
    CValueSpec withValue;
    withValue.values.push_back(CTagValue{"X"});
    EXPECT_FALSE(withValue.IsFlagArgument());
}

} // namespace
