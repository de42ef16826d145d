#include "editor/qt/WidestLine.h"

#include "editor/TextModel.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

int measuredAgain(const TextModel& model) {
    return ViewGeometry(model.text(), 0, 0, 1, 1).widestLineColumns();
}

TEST(WidestLine, FollowsEachKindOfChangeAsAFullMeasureWould) {
    TextModel model;
    WidestLine widest;
    EXPECT_EQ(widest.columns(model), 0);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"load", [&] { model.ReplaceRange(0, 0, "ab\n\tcdef\nxy"); }},
        {"type on a short line", [&] { model.ReplaceRange(1, 1, "12345678"); }},
        {"shorten the widest", [&] { model.ReplaceRange(1, 9, ""); }},
        {"join two lines", [&] { model.ReplaceRange(2, 3, ""); }},
        {"split the widest", [&] { model.ReplaceRange(4, 4, "\n"); }},
        {"edit before it", [&] { model.ReplaceRange(0, 0, "\n\n"); }},
        {"edit after it", [&] { model.ReplaceRange(model.length(), model.length(), "\nz"); }},
        {"case change", [&] { model.RewriteInPlace(0, "\n\nA"); }},
        {"clear", [&] { model.ReplaceRange(0, model.length(), ""); }},
    };
    for (const auto& [name, step] : steps) {
        step();
        EXPECT_EQ(widest.columns(model), measuredAgain(model)) << name;
    }
}

// Random edits of random bytes (line feeds, tabs, letters, pieces of UTF-8),
// looked at after one edit or after several.
TEST(WidestLine, RandomEditsAgreeWithAFullMeasure) {
    std::mt19937 random(20261206);
    const std::string pieces[] = {"\n", "\t", "a", "bcd", "\xc3\xa9", "\xe2\x82", "\xac", "\n\n"};
    TextModel model;
    WidestLine widest;
    for (int i = 0; i < 3000; ++i) {
        const int length = model.length();
        const int start = length == 0 ? 0 : static_cast<int>(random() % (length + 1));
        const int end = std::min(length, start + static_cast<int>(random() % 6));
        std::string text;
        for (unsigned n = random() % 4; n > 0; --n) {
            text += pieces[random() % std::size(pieces)];
        }
        model.ReplaceRange(start, end, text);
        if (random() % 3 != 0) {
            ASSERT_EQ(widest.columns(model), measuredAgain(model)) << "edit " << i;
        }
    }
}

} // namespace
