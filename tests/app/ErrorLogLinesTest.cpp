#include "app/ErrorLogLines.h"

#include "editor/TextModel.h"

#include <gtest/gtest.h>

namespace {

// A log of two files: a.html with errors at rows 2 and 4, b.html with one at
// row 9, and the progress, count and separator lines around them.
ErrorLogLines twoFileLog() {
    ErrorLogLines log;
    for (const CErrorLine& line : std::vector<CErrorLine>{
             {"Checking a.html for errors", 0, 0, "a.html", false},
             {"Checking tags...", 0, 0, "a.html", false},
             {"X is an unknown tag", 1, 2, "a.html", true},
             {"Y is an unknown tag", 0, 0, "b.html", true}, // no place: never marked
             {"Z is an unknown tag", 5, 6, "a.html", true},
             {"Found 2 errors.", 0, 0, "a.html", false},
             {"", 0, 0, "", false},
             {"Checking b.html for errors", 0, 0, "b.html", false},
             {"Checking tags...", 0, 0, "b.html", false},
             {"W is an unknown tag", 3, 4, "b.html", true},
         }) {
        log.append(line);
    }
    return log;
}

} // namespace

TEST(ErrorLogLines, LaysLinkedMarksOnlyForLinesWithAPlaceInThatExactPath) {
    ErrorLogLines log = twoFileLog();
    TextModel model;
    model.ReplaceRange(0, 0, "<X><Z><W>");

    EXPECT_EQ(log.layMarks(model, "A.html"), 0);
    ASSERT_EQ(log.layMarks(model, "a.html"), 2);
    const auto& marks = model.marks();
    ASSERT_EQ(marks.size(), 2U);
    EXPECT_EQ(marks[0].kind, CMarkRecord::KindErrorLog);
    EXPECT_EQ(marks[0].start, 1);
    EXPECT_EQ(marks[0].end, 2);
    EXPECT_EQ(marks[0].colour, 6);
    EXPECT_EQ(marks[0].reason, "X is an unknown tag");
    EXPECT_EQ(marks[0].link, &log.at(2));
    EXPECT_EQ(marks[1].link, &log.at(4));
}

TEST(ErrorLogLines, AnEditMovesTheLinkedLine) {
    ErrorLogLines log = twoFileLog();
    TextModel model;
    model.ReplaceRange(0, 0, "<X>...<Z>");
    log.layMarks(model, "a.html");

    model.ReplaceRange(0, 0, "12");
    EXPECT_EQ(log.at(2).spanStart(), 3);
    EXPECT_EQ(log.at(2).spanEnd(), 4);
    EXPECT_EQ(log.at(4).spanStart(), 7);
}

TEST(ErrorLogLines, RecordsKeepTheirPlaceWhileLinesAreAppended) {
    ErrorLogLines log = twoFileLog();
    const ErrorLogLine* first = &log.at(2);
    for (int i = 0; i < 10000; ++i) {
        log.append({"more", 1, 2, "c.html", true});
    }
    EXPECT_EQ(&log.at(2), first);
}

TEST(ErrorLogLines, ConcernsAPathOnlyWithALineAboutAPlaceInIt) {
    const ErrorLogLines log = twoFileLog();
    EXPECT_TRUE(log.concerns("a.html"));
    EXPECT_TRUE(log.concerns("b.html"));
    EXPECT_FALSE(log.concerns(""));
    EXPECT_FALSE(log.concerns("c.html"));
}

struct StepCase {
    const char* path;
    std::optional<std::size_t> from;
    int direction;
    std::optional<std::size_t> expected;
};

class ErrorLogLinesStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(ErrorLogLinesStep, WalksThePathsErrorsAndGoesRound) {
    const StepCase& c = GetParam();
    EXPECT_EQ(twoFileLog().stepTo(c.path, c.from, c.direction), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorLogLinesStep,
    ::testing::Values(StepCase{"a.html", std::nullopt, 1, 2},  // from nowhere: the first
                      StepCase{"a.html", std::nullopt, -1, 4}, // backwards: the last
                      StepCase{"a.html", 2, 1, 4}, StepCase{"a.html", 4, 1, 2}, // round
                      StepCase{"a.html", 2, -1, 4},                             // round back
                      StepCase{"a.html", 7, 1, 2}, // from another file's line
                      StepCase{"b.html", 9, 1, 9}, // a single error finds itself
                      StepCase{"c.html", std::nullopt, 1, std::nullopt}));

TEST(ErrorLogLines, TheFirstPlaceIsTheFirstLineWithASpan) {
    EXPECT_EQ(twoFileLog().firstPlace(), 2U);
    ErrorLogLines empty;
    empty.append({"Checking tags...", 0, 0, "a.html", false});
    EXPECT_EQ(empty.firstPlace(), std::nullopt);
}
