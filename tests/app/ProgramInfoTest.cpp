#include "app/ProgramInfo.h"

#include <gtest/gtest.h>

TEST(ProgramInfo, OnlyALoneVersionOrHelpArgumentIsAnswered) {
    struct Case {
        std::vector<std::string> arguments;
        std::optional<std::string> firstLine;
    };
    const Case cases[] = {
        {{"--version"}, "tagwright 2.3.4"},
        {{"--help"}, "usage: tagwright [FILE | PROJECT.prj [FILE] | app [FILE]]"},
        {{}, std::nullopt},
        {{"index.html"}, std::nullopt},
        {{"app"}, std::nullopt},
        {{"-v"}, std::nullopt},
        {{"./--help"}, std::nullopt},
        {{"--version", "notes.html"}, std::nullopt},
        {{"site.prj", "--help"}, std::nullopt},
    };
    for (const Case& item : cases) {
        const std::optional<std::string> text = ProgramInfoText(item.arguments, "2.3.4");
        const std::string shown = item.arguments.empty() ? "(none)" : item.arguments.front();
        ASSERT_EQ(text.has_value(), item.firstLine.has_value()) << shown;
        if (text) {
            EXPECT_EQ(text->substr(0, text->find('\n')), *item.firstLine) << shown;
            EXPECT_EQ(text->back(), '\n') << shown;
        }
    }
}
