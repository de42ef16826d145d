#include "app/qt/MenuLayout.h"

#include "app/CommandIds.h"

#include <iterator>

namespace {

MenuEntry cmd(int id) {
    return {MenuEntry::Command, id, {}, {}};
}
MenuEntry separator() {
    return {MenuEntry::Separator, 0, {}, {}};
}
MenuEntry sub(const QString& title, std::vector<MenuEntry> children) {
    return {MenuEntry::SubMenu, 0, title, std::move(children)};
}
MenuEntry special(MenuEntry::Kind kind, const QString& title = {}) {
    return {kind, 0, title, {}};
}

MenuLayout fileMenu() {
    return {QStringLiteral("&File"),
            {cmd(Cmd::FileNew), cmd(Cmd::NewFromTemplate), cmd(Cmd::FileOpen), cmd(Cmd::FileClose),
             separator(), cmd(Cmd::FileSave), cmd(Cmd::FileSaveAs), cmd(Cmd::FileSaveAll),
             separator(), special(MenuEntry::RecentFiles, QStringLiteral("Recent &Files")),
             special(MenuEntry::RecentProjects, QStringLiteral("Recent &Projects")), separator(),
             cmd(Cmd::Exit)}};
}

// Undo, the clipboard commands and Select All: the head of the Edit menu and
// of the editor's right-button menu alike.
std::vector<MenuEntry> editingEntries() {
    return {cmd(Cmd::Undo), cmd(Cmd::Redo),          separator(),     cmd(Cmd::Cut),
            cmd(Cmd::Copy), cmd(Cmd::CopyPlainText), cmd(Cmd::Paste), cmd(Cmd::Delete),
            separator(),    cmd(Cmd::SelectAll)};
}

std::vector<MenuEntry> joined(std::vector<MenuEntry> head, std::vector<MenuEntry> tail) {
    head.insert(head.end(), std::make_move_iterator(tail.begin()),
                std::make_move_iterator(tail.end()));
    return head;
}

MenuLayout editMenu() {
    return {QStringLiteral("&Edit"),
            joined(editingEntries(),
                   {separator(), cmd(Cmd::Find), cmd(Cmd::ColorKey), separator(),
                    cmd(Cmd::NextError), cmd(Cmd::PreviousError), separator(), cmd(Cmd::FollowLink),
                    cmd(Cmd::ChooseParameter), separator(),
                    sub(QStringLiteral("Ad&vanced"), {cmd(Cmd::SmartTabs), cmd(Cmd::UpperCase),
                                                      cmd(Cmd::LowerCase), cmd(Cmd::SmartCase)}),
                    sub(QStringLiteral("&Mark"),
                        {cmd(Cmd::MarkSelection), cmd(Cmd::RemoveMark), cmd(Cmd::RemoveAllMarks),
                         separator(), cmd(Cmd::UseMarks)})})};
}

MenuLayout viewMenu() {
    return {QStringLiteral("View"),
            {cmd(Cmd::StandardToolbar), cmd(Cmd::FormatToolbar), cmd(Cmd::ToolsToolbar),
             cmd(Cmd::ProjectToolbar), cmd(Cmd::ProjectBar), cmd(Cmd::StatusBar), separator(),
             cmd(Cmd::LineNumbers)}};
}

MenuLayout formatMenu() {
    std::vector<MenuEntry> headers;
    for (int i = 0; i < 6; ++i) {
        headers.push_back(cmd(Cmd::Header1 + i));
    }
    return {QStringLiteral("Fo&rmat"),
            {cmd(Cmd::Font), separator(), cmd(Cmd::Bold), cmd(Cmd::Italic), cmd(Cmd::Underline),
             cmd(Cmd::Center), separator(), sub(QStringLiteral("&Header"), headers), separator(),
             cmd(Cmd::LineBreak), cmd(Cmd::Paragraph)}};
}

MenuLayout insertMenu() {
    return {QStringLiteral("&Insert"),
            {cmd(Cmd::InsertTag), cmd(Cmd::GetCurrentTag), separator(), cmd(Cmd::InsertAnchor),
             cmd(Cmd::InsertImage), cmd(Cmd::InsertTable), cmd(Cmd::InsertFrames)}};
}

MenuLayout projectMenu() {
    return {QStringLiteral("&Project"),
            {cmd(Cmd::NewProject), cmd(Cmd::OpenProject), cmd(Cmd::CloseProject), separator(),
             cmd(Cmd::AddFiles), cmd(Cmd::ProjectSettings), separator(),
             cmd(Cmd::ProjectLinkValidation), cmd(Cmd::CheckProject), cmd(Cmd::Upload)}};
}

MenuLayout toolsMenu(bool document) {
    if (!document) {
        return {QStringLiteral("&Tools"), {cmd(Cmd::Options), cmd(Cmd::TagData)}};
    }
    return {QStringLiteral("&Tools"),
            {cmd(Cmd::CheckCode), cmd(Cmd::ValidateLinks), separator(), cmd(Cmd::OpenInBrowser),
             cmd(Cmd::Preview), separator(), cmd(Cmd::TagData), cmd(Cmd::Options)}};
}

MenuLayout windowMenu() {
    return {QStringLiteral("&Window"),
            {cmd(Cmd::Cascade), cmd(Cmd::TileHorizontal), cmd(Cmd::TileVertical),
             cmd(Cmd::NextWindow), separator(), special(MenuEntry::WindowList)}};
}

MenuLayout helpMenu() {
    return {QStringLiteral("&Help"), {cmd(Cmd::TipOfTheDay), separator(), cmd(Cmd::About)}};
}

} // namespace

std::vector<MenuLayout> MenuBarLayout(MenuBarKind kind) {
    switch (kind) {
    case MenuBarKind::Document:
        return {fileMenu(),    editMenu(),      viewMenu(),   formatMenu(), insertMenu(),
                projectMenu(), toolsMenu(true), windowMenu(), helpMenu()};
    case MenuBarKind::ErrorLog:
        return {fileMenu(), viewMenu(), projectMenu(), toolsMenu(false), windowMenu(), helpMenu()};
    case MenuBarKind::NoChild:
        break;
    }
    return {fileMenu(), viewMenu(), projectMenu(), toolsMenu(false), helpMenu()};
}

std::vector<MenuEntry> ContextMenuLayout() {
    return joined(editingEntries(),
                  {separator(), cmd(Cmd::FollowLink), cmd(Cmd::ChooseParameter), separator(),
                   cmd(Cmd::MarkSelection), cmd(Cmd::RemoveMark), cmd(Cmd::RemoveAllMarks)});
}

std::vector<ToolBarLayout> ToolBarLayouts() {
    constexpr int kSeparator = 0;
    return {
        {Cmd::StandardToolbar,
         "Standard",
         {Cmd::NewFromTemplate, Cmd::FileOpen, Cmd::FileSave, Cmd::FileSaveAll, kSeparator,
          Cmd::Cut, Cmd::Copy, Cmd::Paste, kSeparator, Cmd::Undo, Cmd::Redo, kSeparator,
          Cmd::MarkSelection, Cmd::RemoveMark, Cmd::UseMarks}},
        {Cmd::FormatToolbar,
         "Format",
         {Cmd::Font, kSeparator, Cmd::Bold, Cmd::Italic, Cmd::Underline, Cmd::Center, kSeparator,
          Cmd::Header1, Cmd::Header1 + 1, Cmd::Header1 + 2, Cmd::Header1 + 3, Cmd::Header1 + 4,
          Cmd::Header1 + 5, kSeparator, Cmd::LineBreak, Cmd::Paragraph}},
        {Cmd::ToolsToolbar,
         "Tools",
         {Cmd::InsertTag, kSeparator, Cmd::InsertImage, Cmd::InsertTable, Cmd::InsertFrames,
          Cmd::InsertAnchor, kSeparator, Cmd::Preview, Cmd::Check, Cmd::ValidateLinks}},
        {Cmd::ProjectToolbar,
         "Project",
         {Cmd::ProjectSettings, Cmd::AddFiles, kSeparator, Cmd::ProjectLinkValidation,
          Cmd::CheckProject, Cmd::Upload}},
    };
}
