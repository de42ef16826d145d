#include "EditorColourTable.h"

#include "app/CEditorSettings.h"

EditorColourTable::EditorColourTable() : EditorColourTable(CEditorSettings{}) {}

EditorColourTable::EditorColourTable(const CEditorSettings& settings) {
    const auto user = [&settings](int which) { return fromColorRef(settings.Color[which]); };
    colours_ = {
        user(CEditorSettings::DefaultColor),
        user(CEditorSettings::DefaultColor),
        user(CEditorSettings::TagColor),
        user(CEditorSettings::ArgumentColor),
        user(CEditorSettings::MarkColor),
        user(CEditorSettings::HiLightColor),
        user(CEditorSettings::SpecialColor),
        fromColorRef(0x00FFFF),
        fromColorRef(0x888888),
        fromColorRef(0x880000),
        user(CEditorSettings::ParameterColor),
        fromColorRef(0x000088),
    };
    colours_[White] = fromColorRef(0xFFFFFF);
}

const QColor& EditorColourTable::colour(int index) const {
    return (index >= 0 && index < Size) ? colours_[index] : colours_[Default];
}

QColor EditorColourTable::fromColorRef(std::uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}
