#pragma once

#include "editor/Attribute.h"

#include <QColor>
#include <array>
#include <cstdint>

struct CEditorSettings;

// The colour of every Attr: seven come from the user's colours in the
// settings, five are fixed (the window's white among them).
class EditorColourTable {
public:
    EditorColourTable();
    explicit EditorColourTable(const CEditorSettings& settings);

    const QColor& colour(Attr attr) const;
    // A byte of the attribute buffer; one outside the table reads as Default.
    const QColor& colour(std::uint8_t stored) const;

    // 0x00BBGGRR, red in the lowest byte.
    static QColor fromColorRef(std::uint32_t colorRef);

private:
    std::array<QColor, AttrCount> colours_;
};
