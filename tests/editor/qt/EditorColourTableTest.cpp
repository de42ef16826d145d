#include "editor/qt/EditorColourTable.h"

#include "app/CEditorSettings.h"

#include <gtest/gtest.h>

namespace {

// Each user colour gets a value of its own, so that a colour read from the
// wrong setting shows.
CEditorSettings distinctColours() {
    CEditorSettings settings;
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        settings.Color[i] = 0x010101u * static_cast<std::uint32_t>(i + 1) + 0x100000u;
    }
    return settings;
}

struct ColourCase {
    Attr attr;
    // The user's colour it shows, or -1 for a fixed colour.
    int setting;
    std::uint32_t fixedColorRef;
};

void PrintTo(const ColourCase& row, std::ostream* out) {
    *out << attrName(row.attr);
}

class EditorColourTableTest : public ::testing::TestWithParam<ColourCase> {};

} // namespace

TEST_P(EditorColourTableTest, EveryAttrShowsItsColour) {
    const CEditorSettings settings = distinctColours();
    const EditorColourTable table(settings);
    const ColourCase& row = GetParam();
    const std::uint32_t expected =
        row.setting >= 0 ? settings.Color[row.setting] : row.fixedColorRef;
    EXPECT_EQ(table.colour(row.attr), EditorColourTable::fromColorRef(expected))
        << attrName(row.attr);
    EXPECT_EQ(table.colour(attrByte(row.attr)), table.colour(row.attr));
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditorColourTableTest,
    ::testing::Values(ColourCase{Attr::Default, CEditorSettings::DefaultColor, 0},
                      ColourCase{Attr::White, -1, 0xFFFFFF},
                      ColourCase{Attr::Tag, CEditorSettings::TagColor, 0},
                      ColourCase{Attr::Argument, CEditorSettings::ArgumentColor, 0},
                      ColourCase{Attr::Mark, CEditorSettings::MarkColor, 0},
                      ColourCase{Attr::HiLight, CEditorSettings::HiLightColor, 0},
                      ColourCase{Attr::Special, CEditorSettings::SpecialColor, 0},
                      ColourCase{Attr::Yellow, -1, 0x00FFFF}, ColourCase{Attr::Grey, -1, 0x888888},
                      ColourCase{Attr::Navy, -1, 0x880000},
                      ColourCase{Attr::Parameter, CEditorSettings::ParameterColor, 0},
                      ColourCase{Attr::DarkRed, -1, 0x000088}),
    [](const ::testing::TestParamInfo<ColourCase>& info) {
        return std::string(attrName(info.param.attr));
    });

TEST(EditorColourTable, AByteOutsideTheTableShowsTheDefaultColour) {
    const EditorColourTable table(distinctColours());
    EXPECT_EQ(table.colour(std::uint8_t{AttrCount}), table.colour(Attr::Default));
    EXPECT_EQ(table.colour(std::uint8_t{255}), table.colour(Attr::Default));
}

TEST(EditorColourTable, ColorRefKeepsRedInTheLowestByte) {
    EXPECT_EQ(EditorColourTable::fromColorRef(0x0088FF), QColor(0xFF, 0x88, 0x00));
}
