#include "html/CValueSpec.h"

#include "html/ColorNames.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace {

class ValueSpecTest : public ::testing::Test {
protected:
    void SetUp() override { colors.loadFromText("Red\nnavy\n"); }

    bool valid(const CValueSpec& valueSpec, std::string_view value) const {
        return valueSpec.IsValidValue(value, colors);
    }

    ColorNames colors;
};

TEST_F(ValueSpecTest, TypeFlagsDecideWhichValuesPass) {
    struct Case {
        const char* what;
        CValueSpec allowed;
        std::vector<std::string_view> accepted;
        std::vector<std::string_view> rejected;
    };
    const Case cases[] = {
        {"IntegerAcceptsDigitsAndSignsOnly",
         {.values = {}, .integer = true},
         {"12", "+-3", ""},
         {"1.5", "12PX"}},
        // Percent overrides the empty value's pass.
        {"PercentNeedsTrailingPercentSign",
         {.values = {}, .percent = true},
         {"50%", "%"},
         {"50", "5%0%", ""}},
        {"IntegerOrPercent",
         {.values = {}, .integer = true, .percent = true},
         {"50", "50%"},
         {"50PX"}},
        // Names are upper-cased on load; callers upper-case the value first.
        {"ColorAcceptsNamesAndSixUpperCaseHexDigits",
         {.values = {}, .color = true},
         {"RED", "NAVY", "#00FFAA"},
         {"#00ffaa", "#00FFA", "#00FFAG", "00FFAA0", "red", ""}},
        {"LinkOnlyAcceptsEmptyOrPredefined", {.values = {}, .link = true}, {""}, {"INDEX.HTML"}},
        {"LinkAcceptsItsPredefinedValue",
         {.values = {CTagValue{"INDEX.HTML"}}, .link = true},
         {"INDEX.HTML"},
         {}},
    };
    for (const Case& item : cases) {
        for (std::string_view value : item.accepted) {
            EXPECT_TRUE(valid(item.allowed, value)) << item.what << ": " << value;
        }
        for (std::string_view value : item.rejected) {
            EXPECT_FALSE(valid(item.allowed, value)) << item.what << ": " << value;
        }
    }
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
