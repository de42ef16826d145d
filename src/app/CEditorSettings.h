#pragma once

#include <array>
#include <cstdint>
#include <string>

// Every user option of the editor, with its default. The colours are stored
// as 0x00BBGGRR (red in the lowest byte), as they are kept in the settings.
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

    int SaveClose = SaveCloseAsk;
    int NoFilelist = 5;
    std::string HTMLExt = "*.html;*.htm;*.shtml;*.xml";
    std::string OpenExt = "*.html;*.htm;*.shtml;*.xml;*.txt";
    std::string ImageExt = "*.jpg;*.gif";
    std::string TagData = "Data/Tags.txt";
    std::array<int, kEditingCount> Editing{1, 1, 1, 1, 1, 1, 1, 1};
    std::array<std::uint32_t, kColorCount> Color{0x000000, 0xFF0000, 0x00AA00, 0x006600,
                                                 0x220000, 0x0088FF, 0x0000FF};
    int Browser = BrowserNetscape;
    std::string OtherBrowser;

    bool isOn(EditingSwitch which) const { return Editing[which] != 0; }
};
