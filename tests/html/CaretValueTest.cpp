#include "html/CaretValue.h"

#include "html/CTagData.h"
#include "html/CValueSpec.h"

#include <gtest/gtest.h>

namespace {

CTagData vocabulary() {
    CTagData data;
    data.loadFromText("A\n{\n(WITHIN) ROOT\nHREF\n{\n(LINK)\n}\nTARGET\n{\n_BLANK\n}\n}\n", "");
    return data;
}

struct ValueCase {
    const char* text;
    int selectionStart;
    int caret;
    const char* value; // nullptr: not in a known value
    bool link;
};

class CaretValueCases : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CaretValueCases, FindsTheKnownValueAtTheSelection) {
    const ValueCase& c = GetParam();
    const CTagData data = vocabulary();
    const std::optional<CaretValue> value = CaretValueAt(data, c.text, c.selectionStart, c.caret);
    if (c.value == nullptr) {
        EXPECT_FALSE(value);
        return;
    }
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, c.value);
    EXPECT_EQ(std::string(c.text).substr(value->span.start, value->span.end - value->span.start),
              c.value);
    EXPECT_EQ(value->allowed->link, c.link);
}

// <a href="p.html" target=_blank>: offsets 0 '<', 9 '"', 16 '"' after the
// value, 24 the first letter of _blank.
INSTANTIATE_TEST_SUITE_P(
    Cases, CaretValueCases,
    ::testing::Values(ValueCase{"<a href=\"p.html\" target=_blank>", 11, 11, "\"p.html\"", true},
                      ValueCase{"<a href=\"p.html\" target=_blank>", 16, 16, "\"p.html\"", true},
                      ValueCase{"<a href=\"p.html\" target=_blank>", 26, 26, "_blank", false},
                      ValueCase{"<A HREF=p.html>", 10, 10, "p.html", true},      // upper case
                      ValueCase{"<a href=\"p.html\">", 4, 4, nullptr, false},    // on the name
                      ValueCase{"<a name=\"p.html\">", 11, 11, nullptr, false},  // unknown arg
                      ValueCase{"<img src=\"p.html\">", 12, 12, nullptr, false}, // unknown tag
                      ValueCase{"text href=p.html", 12, 12, nullptr, false}));   // not in a tag

} // namespace
