#pragma once

#include "app/qt/CommandRows.h"
#include "app/qt/ICommandTarget.h"

#include <QString>
#include <string>

class CChildWin;
class CEditorApp;
class CMainWin;
class IPlatformServices;
struct NewFileChoice;

// The main window's document operations: open (or hand to the desktop),
// new from scratch or from a template, Save All.
class DocumentCommands : public ICommandTarget {
public:
    DocumentCommands(CEditorApp& app, CMainWin& frame, IPlatformServices& services);

    // Activates the window already showing path, or opens path in a new
    // window when its extension is an editor one or forceEditor is set, or
    // hands it to the desktop (and to the editor when that fails). Returns
    // the window, or null when the desktop took it or it could not be opened.
    CChildWin* OpenFile(const std::string& path, bool forceEditor);
    CChildWin* newFromDefaultTemplate();
    CChildWin* newDocument(const std::string& templateName, bool colorKey);
    void SaveAll(bool askIfUntitled);
    void openWithDialog();
    void showNewFileDialog();

    // The document window whose path is exactly path, or null.
    CChildWin* findDocument(const std::string& path) const;

    static const CommandRows<DocumentCommands>& commandRows();

    bool commandState(int id, CommandState& state) override;
    bool runCommand(int id) override;

private:
    CChildWin* createWindow();
    CChildWin* openInEditor(const std::string& path);
    std::string templatePath(const std::string& templateName) const;
    std::string projectRelPathOf(const NewFileChoice& choice) const;
    std::string projectPathOf(const std::string& relPath) const;
    bool mayReplace(const std::string& path);
    void addToProject(CChildWin& window, const std::string& relPath);

    CEditorApp& app_;
    CMainWin& frame_;
    IPlatformServices& services_;
};
