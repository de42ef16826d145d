#pragma once

#include <QColor>
#include <array>
#include <cstdint>

struct CEditorSettings;

// The twelve colours an attribute byte can name: the user's seven colours
// from the settings and five fixed ones. Index 1 is the window's white.
class EditorColourTable {
public:
    static constexpr int Size = 12;
    static constexpr int Default = 0;
    static constexpr int White = 1;
    static constexpr int Tag = 2;
    static constexpr int Argument = 3;
    static constexpr int Mark = 4;
    static constexpr int HiLight = 5;
    static constexpr int Special = 6;
    static constexpr int Parameter = 10;

    EditorColourTable();
    explicit EditorColourTable(const CEditorSettings& settings);

    // An index outside the table reads as the default colour.
    const QColor& colour(int index) const;

    // 0x00BBGGRR, red in the lowest byte.
    static QColor fromColorRef(std::uint32_t colorRef);

private:
    std::array<QColor, Size> colours_;
};
