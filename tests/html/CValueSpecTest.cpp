#include "html/CValueSpec.h"

#include "html/ColorNames.h"

#include <gtest/gtest.h>

namespace {

class ValueSpecTest : public ::testing::Test {
protected:
    void SetUp() override { colors.loadFromText("Red\nnavy\n"); }

    bool valid(const CValueSpec& valueSpec, std::string_view value) const {
        return valueSpec.IsValidValue(value, colors);
    }

    ColorNames colors;
};

TEST_F(ValueSpecTest, IntegerAcceptsDigitsAndSignsOnly) {
    CValueSpec valueSpec;
    valueSpec.integer = true;
    EXPECT_TRUE(valid(valueSpec, "12"));
    EXPECT_TRUE(valid(valueSpec, "+-3"));
    EXPECT_TRUE(valid(valueSpec, ""));
    EXPECT_FALSE(valid(valueSpec, "1.5"));
    EXPECT_FALSE(valid(valueSpec, "12PX"));
}

TEST_F(ValueSpecTest, PercentNeedsTrailingPercentSign) {
    CValueSpec valueSpec;
    valueSpec.percent = true;
    EXPECT_TRUE(valid(valueSpec, "50%"));
    EXPECT_TRUE(valid(valueSpec, "%"));
    EXPECT_FALSE(valid(valueSpec, "50"));
    EXPECT_FALSE(valid(valueSpec, "5%0%"));
    EXPECT_FALSE(valid(valueSpec, "")); // percent overrides the empty value's pass
}

TEST_F(ValueSpecTest, IntegerOrPercent) {
    CValueSpec valueSpec;
    valueSpec.integer = true;
    valueSpec.percent = true;
    EXPECT_TRUE(valid(valueSpec, "50"));
    EXPECT_TRUE(valid(valueSpec, "50%"));
    EXPECT_FALSE(valid(valueSpec, "50PX"));
}

TEST_F(ValueSpecTest, ColorAcceptsNamesAndSixUpperCaseHexDigits) {
    CValueSpec valueSpec;
    valueSpec.color = true;
    EXPECT_TRUE(valid(valueSpec, "RED"));
    EXPECT_TRUE(valid(valueSpec, "NAVY")); // names are upper-cased on load
    EXPECT_TRUE(valid(valueSpec, "#00FFAA"));
    EXPECT_FALSE(valid(valueSpec, "#00ffaa")); // callers upper-case first
    EXPECT_FALSE(valid(valueSpec, "#00FFA"));
    EXPECT_FALSE(valid(valueSpec, "#00FFAG"));
    EXPECT_FALSE(valid(valueSpec, "00FFAA0"));
    EXPECT_FALSE(valid(valueSpec, "red"));
    EXPECT_FALSE(valid(valueSpec, ""));
}

TEST_F(ValueSpecTest, FreeTextFlagsAcceptAnything) {
    for (bool CValueSpec::*flag : {&CValueSpec::string, &CValueSpec::javascript, &CValueSpec::image,
                                   &CValueSpec::windowname, &CValueSpec::url, &CValueSpec::font}) {
        CValueSpec valueSpec;
        valueSpec.*flag = true;
        valueSpec.color = true; // a failed colour test does not stop them
        EXPECT_TRUE(valid(valueSpec, "ANY THING"));
    }
}

TEST_F(ValueSpecTest, LinkOnlyAcceptsEmptyOrPredefined) {
    CValueSpec valueSpec;
    valueSpec.link = true;
    EXPECT_TRUE(valid(valueSpec, ""));
    EXPECT_FALSE(valid(valueSpec, "INDEX.HTML"));
    valueSpec.values.push_back(CTagValue{"INDEX.HTML"});
    EXPECT_TRUE(valid(valueSpec, "INDEX.HTML"));
}

TEST_F(ValueSpecTest, PredefinedValuesAreComparedExactly) {
    CValueSpec valueSpec;
    valueSpec.values = {CTagValue{"LEFT"}, CTagValue{"RIGHT"}};
    EXPECT_TRUE(valid(valueSpec, "RIGHT"));
    EXPECT_FALSE(valid(valueSpec, "right"));
    EXPECT_FALSE(valid(valueSpec, "CENTER"));
    EXPECT_TRUE(valid(valueSpec, ""));
    EXPECT_EQ(valueSpec.findValue("LEFT"), &valueSpec.values[0]);
}

TEST_F(ValueSpecTest, FlagArgumentIgnoresTheLinkFlag) {
    CValueSpec valueSpec;
    EXPECT_TRUE(valueSpec.IsFlagArgument());
    valueSpec.link = true;
    EXPECT_TRUE(valueSpec.IsFlagArgument());
    valueSpec.url = true;
    EXPECT_FALSE(valueSpec.IsFlagArgument());
    CValueSpec withValue;
    withValue.values.push_back(CTagValue{"X"});
    EXPECT_FALSE(withValue.IsFlagArgument());
}

} // namespace
