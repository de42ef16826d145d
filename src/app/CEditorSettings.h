#pragma once

#include <array>
#include <cstdint>
#include <string>

// Every user option of the editor. The colours are stored as 0x00BBGGRR (red
// in the lowest byte), as they are kept in the settings; where each option is
// stored and its default are in SettingsTable().
struct CEditorSettings {
    enum SaveClosePolicy { SaveCloseNo = 0, SaveCloseYes = 1, SaveCloseAsk = 2 };
    enum BrowserChoice { BrowserNetscape = 50, BrowserExplorer = 51, BrowserOther = 60 };
    enum EditingSwitch {
        ColorKeyOnOpen = 0,
        ColorKeyWhileEditing = 1,
        UpperCaseTagNames = 2,
        UpperCaseArguments = 3,
        CodeHelperAutomatic = 4,
        CodeHelperOnCtrl = 5,
        AutoIndentTabs = 6,
        EditorToolTips = 7,
    };
    // The user's colours in the order the settings store them ("Color 0" ...),
    // which is not the order of the editor's colour table.
    enum ColorIndex {
        DefaultColor = 0,
        TagColor = 1,
        ArgumentColor = 2,
        ParameterColor = 3,
        HiLightColor = 4,
        MarkColor = 5,
        SpecialColor = 6,
    };
    static constexpr int kEditingCount = 8;
    static constexpr int kColorCount = 7;
    static constexpr std::size_t kMaxPathText = 255;

    // Every field starts at its default from SettingsTable().
    CEditorSettings();

    int SaveClose{};
    int NoFilelist{};
    std::string HTMLExt;
    std::string OpenExt;
    std::string ImageExt;
    std::string TagData; // relative to the installation directory, or absolute
    std::array<int, kEditingCount> Editing{};
    std::array<std::uint32_t, kColorCount> Color{}; // by ColorIndex
    int Browser{};
    std::string OtherBrowser;
    int LineNumbers{};   // 1: a gutter with line numbers left of the text
    int ReopenSession{}; // 1: a start without a file reopens the last session

    bool isOn(EditingSwitch which) const { return Editing[which] != 0; }
};
