#pragma once

// The numeric command ids of menus, toolbars and shortcuts. A bar's id is
// also the id of the command that shows or hides it.
namespace Cmd {
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 40005;
inline constexpr int FileSaveAll = 40084;
inline constexpr int NewFromTemplate = 40039;
inline constexpr int RecentFile0 = 40070;    // ... 40074
inline constexpr int RecentProject0 = 40075; // ... 40079
inline constexpr int Exit = 40044;

inline constexpr int Undo = 57643;
inline constexpr int Redo = 57644;
inline constexpr int Cut = 57635;
inline constexpr int Copy = 57634;
inline constexpr int CopyPlainText = 40136;
inline constexpr int Paste = 57637;
inline constexpr int Delete = 40045;
inline constexpr int SelectAll = 40010;
inline constexpr int ColorKey = 40038;
inline constexpr int Find = 57636;
inline constexpr int SmartTabs = 40116;
inline constexpr int UpperCase = 40117;
inline constexpr int LowerCase = 40118;
inline constexpr int SmartCase = 40119;
inline constexpr int MarkSelection = 40123;
inline constexpr int RemoveMark = 40124;
inline constexpr int RemoveAllMarks = 40137;
inline constexpr int UseMarks = 40126;
inline constexpr int FollowLink = 40131;
inline constexpr int ChooseParameter = 40132;
// Walking the errors of an Error Log from the document.
inline constexpr int NextError = 40140;
inline constexpr int PreviousError = 40141;

inline constexpr int Bold = 40019;
inline constexpr int Italic = 40020;
inline constexpr int Underline = 40021;
inline constexpr int Center = 40083;
inline constexpr int Header1 = 40049; // ... 40054
inline constexpr int LineBreak = 40055;
inline constexpr int Paragraph = 40056;
inline constexpr int Font = 40057;

inline constexpr int InsertTag = 40058;
inline constexpr int InsertImage = 40059;
inline constexpr int InsertTable = 40060;
inline constexpr int InsertFrames = 40061;
inline constexpr int InsertAnchor = 40062;
inline constexpr int GetCurrentTag = 40066;

inline constexpr int NewProject = 40028;
inline constexpr int OpenProject = 40032;
inline constexpr int CloseProject = 40033;
inline constexpr int AddFiles = 40029;
inline constexpr int ProjectSettings = 40031;
inline constexpr int ProjectLinkValidation = 40067;
inline constexpr int CheckProject = 40068;
inline constexpr int Upload = 40030;

inline constexpr int Options = 40041;
inline constexpr int TagData = 40065;
inline constexpr int CheckCode = 40063;
inline constexpr int Check = 40082;
inline constexpr int ValidateLinks = 40064;
inline constexpr int OpenInBrowser = 40080;
inline constexpr int Preview = 40081;

inline constexpr int StandardToolbar = 59392;
inline constexpr int FormatToolbar = 40096;
inline constexpr int ToolsToolbar = 40115;
inline constexpr int ProjectToolbar = 40114;
inline constexpr int ProjectBar = 40046;
inline constexpr int StatusBar = 59393;
inline constexpr int LineNumbers = 40190;

inline constexpr int Cascade = 57650;
inline constexpr int TileHorizontal = 57651;
inline constexpr int TileVertical = 57652;
inline constexpr int NextWindow = 40138;
inline constexpr int TipOfTheDay = 40135;
inline constexpr int About = 40011;
} // namespace Cmd
