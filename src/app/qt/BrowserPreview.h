#pragma once

#include "app/qt/CommandRows.h"
#include "app/qt/ICommandTarget.h"

#include <string>

class CEditorApp;
class CMainWin;
class IPlatformServices;

// Preview and Open In Browser: the active document, saved first, shown in
// the browser of the settings or of the user's choice.
class BrowserPreview : public ICommandTarget {
public:
    BrowserPreview(CEditorApp& app, CMainWin& frame, IPlatformServices& services);

    // Saves the active document and shows it in the configured browser.
    void preview();
    // Saves the active document, asks which browser, and shows it there.
    void openInBrowser();
    // Starts the configured browser on path, or hands path to the desktop
    // when that browser cannot be found or started; the status bar says so
    // when neither works.
    void launch(const std::string& path);

    static const CommandRows<BrowserPreview>& commandRows();

    bool commandState(int id, CommandState& state) override;
    bool runCommand(int id) override;

private:
    CEditorApp& app_;
    CMainWin& frame_;
    IPlatformServices& services_;
};
