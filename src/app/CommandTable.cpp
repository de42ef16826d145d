#include "app/CommandTable.h"

#include "app/CommandIds.h"

#include <algorithm>

namespace {

// clang-format off
constexpr CommandInfo kCommands[] = {
    {Cmd::FileNew, "&New...\tCtrl + N", "Create a new document", "New", "Ctrl+N", "new"},
    {Cmd::NewFromTemplate, "New from &Template\tCtrl + Alt + N", "Create a new file using default template", "New", "Ctrl+Alt+N", "new-template"},
    {Cmd::FileOpen, "&Open...\tCtrl + O", "Open an existing document", "Open", "Ctrl+O", "open"},
    {Cmd::FileClose, "&Close", "Close the active document", "Close", "", ""},
    {Cmd::FileSave, "&Save\tCtrl + S", "Save the active document", "Save", "Ctrl+S", "save"},
    {Cmd::FileSaveAs, "Save &As...", "Save the active document with a new name", "Save As", "", ""},
    {Cmd::FileSaveAll, "Save A&ll", "Save all open documents", "Save All", "", "save-all"},
    {Cmd::RecentFile0 + 0, "File 0", "Open this document", "", "", ""},
    {Cmd::RecentFile0 + 1, "File 1", "Open this document", "", "", ""},
    {Cmd::RecentFile0 + 2, "File 2", "Open this document", "", "", ""},
    {Cmd::RecentFile0 + 3, "File 3", "Open this document", "", "", ""},
    {Cmd::RecentFile0 + 4, "File 4", "Open this document", "", "", ""},
    {Cmd::RecentProject0 + 0, "Project 0", "Open this project", "", "", ""},
    {Cmd::RecentProject0 + 1, "Project 1", "Open this project", "", "", ""},
    {Cmd::RecentProject0 + 2, "Project 2", "Open this project", "", "", ""},
    {Cmd::RecentProject0 + 3, "Project 3", "Open this project", "", "", ""},
    {Cmd::RecentProject0 + 4, "Project 4", "Open this project", "", "", ""},
    {Cmd::Exit, "E&xit", "Quit the application without saving", "Exit", "", ""},

    {Cmd::Undo, "&Undo\tCtrl + Z", "Undo the last action", "Undo", "Ctrl+Z", "undo"},
    {Cmd::Redo, "&Redo\tCtrl + Y", "Redo the previously undone action", "Redo", "Ctrl+Y", "redo"},
    {Cmd::Cut, "Cu&t\tCtrl + X", "Cut the selection and put it on the Clipboard", "Cut", "", "cut"},
    {Cmd::Copy, "&Copy\tCtrl + C", "Copy the selection and put it on the Clipboard", "Copy", "", "copy"},
    {Cmd::CopyPlainText, "C&opy Plain Text", "Copy the selection without its tags", "Copy Plain Text", "", ""},
    {Cmd::Paste, "&Paste\tCtrl + V", "Insert Clipboard contents", "Paste", "", "paste"},
    {Cmd::Delete, "&Delete\tDel", "Erase the selection", "Delete", "", ""},
    {Cmd::SelectAll, "Select &All\tCtrl + A", "Select the entire document", "Select All", "", ""},
    {Cmd::ColorKey, "Color &Key\tCtrl + K", "Colour the tags of the whole document", "Color Key", "Ctrl+K", ""},
    {Cmd::Find, "&Find...\tCtrl + F", "Find the specified text", "Find", "Ctrl+F", ""},
    {Cmd::SmartTabs, "Smart &Tabs\tCtrl + Shift + T", "Inserts tabs to highlight the structure of the code.", "Smart Tabs", "Ctrl+Shift+T", ""},
    {Cmd::UpperCase, "&Upper Case\tCtrl + Shift + U", "Makes current selection uppercase.", "Upper Case", "Ctrl+Shift+U", ""},
    {Cmd::LowerCase, "&Lower Case\tCtrl + Shift + L", "Makes current selection lowercase.", "Lower Case", "Ctrl+Shift+L", ""},
    {Cmd::SmartCase, "Smart &Case\tCtrl + Shift + C", "Start each sentence with uppercase.", "Smart Case", "Ctrl+Shift+C", ""},
    {Cmd::MarkSelection, "&Mark Selection\tCtrl + M", "Mark the selected text", "Mark Selection", "Ctrl+M", "mark"},
    {Cmd::RemoveMark, "&Remove Mark\tCtrl + R", "Remove the mark at the caret", "Remove Mark", "Ctrl+R", "unmark"},
    {Cmd::RemoveAllMarks, "Remove &All\tCtrl + J", "Remove every mark of the document", "Remove All Marks", "Ctrl+J", ""},
    {Cmd::UseMarks, "&Use Marks", "Let commands act on the marks instead of the selection", "Use Marks", "", "use-marks"},
    {Cmd::FollowLink, "&Follow Link\tCtrl + Shift + W", "Open the file the link at the caret points to", "Follow Link", "Ctrl+Shift+W", ""},
    {Cmd::NextError, "Next &Error\tF8", "Select the next error of the Error Log in the text", "Next Error", "F8", ""},
    {Cmd::PreviousError, "Prev&ious Error\tShift + F8", "Select the previous error of the Error Log in the text", "Previous Error", "Shift+F8", ""},
    {Cmd::ChooseParameter, "Choose &Parameter...\tCtrl + Shift + P", "Choose the value at the caret", "Choose Parameter", "Ctrl+Shift+P", ""},

    {Cmd::Bold, "&Bold (B)\tCtrl + B", "Bold", "Bold", "Ctrl+B", "bold"},
    {Cmd::Italic, "&Italic (I)\tCtrl + I", "Italic", "Italic", "Ctrl+I", "italic"},
    {Cmd::Underline, "&Underline (U)\tCtrl + U", "Underline", "Underline", "Ctrl+U", "underline"},
    {Cmd::Center, "&Center\tCtrl + E", "Center", "Center", "Ctrl+E", "center"},
    {Cmd::Header1 + 0, "H&1\tCtrl + 1", "Header 1", "Header 1", "Ctrl+1; Ctrl+H", "h1"},
    {Cmd::Header1 + 1, "H&2\tCtrl + 2", "Header 2", "Header 2", "Ctrl+2", "h2"},
    {Cmd::Header1 + 2, "H&3\tCtrl + 3", "Header 3", "Header 3", "Ctrl+3", "h3"},
    {Cmd::Header1 + 3, "H&4\tCtrl + 4", "Header 4", "Header 4", "Ctrl+4", "h4"},
    {Cmd::Header1 + 4, "H&5\tCtrl + 5", "Header 5", "Header 5", "Ctrl+5", "h5"},
    {Cmd::Header1 + 5, "H&6\tCtrl + 6", "Header 6", "Header 6", "Ctrl+6", "h6"},
    {Cmd::LineBreak, "&Line Break (BR)\tShift + Return", "Linebreak", "Linebreak", "Shift+Return", "line-break"},
    {Cmd::Paragraph, "&Paragraph (P)\tCtrl + P", "Paragraph", "Paragraph", "Ctrl+P", "paragraph"},
    {Cmd::Font, "&Font...\tCtrl + Shift + F", "Format Text", "Format Text", "Ctrl+Shift+F", "font"},

    {Cmd::InsertTag, "&Tag...\tCtrl + T", "Insert a tag with its arguments", "Tag", "Ctrl+T", "tag"},
    {Cmd::GetCurrentTag, "&Get Current Tag", "Get the tag at the caret", "Get Current Tag", "", ""},
    {Cmd::InsertImage, "&Image...", "Insert an image", "Image", "", "image"},
    {Cmd::InsertTable, "Ta&ble...", "Insert a table", "Table", "", "table"},
    {Cmd::InsertFrames, "&Frames...", "Insert a frame set", "Frames", "", "frames"},
    {Cmd::InsertAnchor, "&Anchor...\tCtrl + L", "Insert a link", "Anchor", "Ctrl+L", "anchor"},

    {Cmd::NewProject, "N&ew Project...", "Creates a new project", "New Project", "", ""},
    {Cmd::OpenProject, "O&pen Project...", "Opens a project", "Open Project", "", ""},
    {Cmd::CloseProject, "C&lose Project", "Closes current project", "Close Project", "", ""},
    {Cmd::AddFiles, "&Add Files...", "Add Files to Project", "Add Files", "", "add-files"},
    {Cmd::ProjectSettings, "&Settings...", "Project Settings", "Settings", "", "project-settings"},
    {Cmd::ProjectLinkValidation, "&Link Validation...\tCtrl + Alt + V", "Validate Project Links", "Links (Project)", "Ctrl+Alt+V", "project-links"},
    {Cmd::CheckProject, "&Check Project\tCtrl + Alt + C", "Check Project for Errors", "Check (Project)", "Ctrl+Alt+C", "project-check"},
    {Cmd::Upload, "&Upload...\tCtrl + Alt + U", "Upload Project", "Upload", "Ctrl+Alt+U", "upload"},

    {Cmd::Options, "Op&tions...", "Edit options", "Options", "", ""},
    {Cmd::TagData, "&Tag Data...", "Browse the HTML language of the tag data", "Tag Data", "", ""},
    {Cmd::CheckCode, "Check &Code\tAlt + C", "Check the document for errors", "Check", "Alt+C", ""},
    {Cmd::Check, "Check &Code\tAlt + C", "Check the document for errors", "Check", "", "check"},
    {Cmd::ValidateLinks, "Validate &Links...\tAlt + V", "Validate the links of the document", "Validate Links", "Alt+V", "links"},
    {Cmd::OpenInBrowser, "Open In &Browser...\tAlt + O", "Open the document in a web browser", "Open In Browser", "Alt+O", ""},
    {Cmd::Preview, "&Preview\tCtrl + Alt + O", "Open in default browser", "Preview", "Ctrl+Alt+O", "preview"},

    {Cmd::StandardToolbar, "&Standard Toolbar\tAlt + 0", "Show or hide the standard toolbar", "Standard Toolbar", "Alt+0", ""},
    {Cmd::FormatToolbar, "&Format Toolbar\tAlt + 1", "Show or hide the format toolbar", "Format Toolbar", "Alt+1", ""},
    {Cmd::ToolsToolbar, "&Tools Toolbar\tAlt + 2", "Show or hide the tools toolbar", "Tools Toolbar", "Alt+2", ""},
    {Cmd::ProjectToolbar, "Pro&ject Toolbar\tAlt + 3", "Show or hide the project toolbar", "Project Toolbar", "Alt+3", ""},
    {Cmd::ProjectBar, "P&roject\tAlt + 4", "Show or hide the project bar", "Project", "Alt+4", ""},
    {Cmd::StatusBar, "Status&bar\tAlt + 5", "Show or hide the status bar", "Status Bar", "Alt+5", ""},
    {Cmd::LineNumbers, "&Line Numbers", "Show or hide line numbers left of the text", "Line Numbers", "", ""},

    {Cmd::Cascade, "&Cascade", "Arrange windows so they overlap", "Cascade", "", ""},
    {Cmd::TileHorizontal, "Tile &Horizontal", "Arrange windows as non-overlapping tiles", "Tile Horizontal", "", ""},
    {Cmd::TileVertical, "Tile &Vertical", "Arrange windows as non-overlapping tiles", "Tile Vertical", "", ""},
    {Cmd::NextWindow, "&Next Window\tCtrl + F6", "Activate the next window", "Next Window", "Ctrl+F6", ""},
    {Cmd::TipOfTheDay, "&Tip of the Day...", "Displays Tip of the Day", "Tip of the Day", "", ""},
    {Cmd::About, "&About...", "Display info about this program", "About", "", ""},
};
// clang-format on

} // namespace

std::span<const CommandInfo> AllCommands() {
    return kCommands;
}

const CommandInfo* FindCommand(int id) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [id](const CommandInfo& info) { return info.id == id; });
    return found == std::end(kCommands) ? nullptr : &*found;
}
