#include "EditorColourTable.h"

#include "app/CEditorSettings.h"

namespace {

// The settings keep the user's colours in the order the options show them,
// which is not the order of the table.
struct UserColour {
    Attr attr;
    CEditorSettings::ColorIndex setting;
};

constexpr UserColour kUserColours[] = {
    {Attr::Default, CEditorSettings::DefaultColor},
    {Attr::Tag, CEditorSettings::TagColor},
    {Attr::Argument, CEditorSettings::ArgumentColor},
    {Attr::Mark, CEditorSettings::MarkColor},
    {Attr::HiLight, CEditorSettings::HiLightColor},
    {Attr::Special, CEditorSettings::SpecialColor},
    {Attr::Parameter, CEditorSettings::ParameterColor},
};

struct FixedColour {
    Attr attr;
    std::uint32_t colorRef;
};

constexpr FixedColour kFixedColours[] = {
    {Attr::White, 0xFFFFFF}, {Attr::Yellow, 0x00FFFF},  {Attr::Grey, 0x888888},
    {Attr::Navy, 0x880000},  {Attr::DarkRed, 0x000088},
};

static_assert(std::size(kUserColours) + std::size(kFixedColours) == AttrCount,
              "every Attr has exactly one colour");

} // namespace

EditorColourTable::EditorColourTable() : EditorColourTable(CEditorSettings{}) {}

EditorColourTable::EditorColourTable(const CEditorSettings& settings) {
    for (const UserColour& user : kUserColours) {
        colours_[attrByte(user.attr)] = fromColorRef(settings.Color[user.setting]);
    }
    for (const FixedColour& fixed : kFixedColours) {
        colours_[attrByte(fixed.attr)] = fromColorRef(fixed.colorRef);
    }
}

const QColor& EditorColourTable::colour(Attr attr) const {
    return colours_[attrByte(attr)];
}

const QColor& EditorColourTable::colour(std::uint8_t stored) const {
    return colour(attrFromByte(stored).value_or(Attr::Default));
}

QColor EditorColourTable::fromColorRef(std::uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}
