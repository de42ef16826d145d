#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/COptionsDlg.h"
#include "app/qt/ProjectCommands.h"
#include "editor/qt/CMyEditBox.h"

// The settings are saved only on OK; what a page left earlier put into them
// is in effect either way and reaches the file with the next save.
void CMainWin::showOptions() {
    COptionsDlg dialog(app_.settings(), QString::fromStdString(app_.tagDataInUse()),
                       app_.services(), this);
    connect(&dialog, &COptionsDlg::settingsChanged, this, &CMainWin::optionsTookEffect);
    if (dialog.exec() == QDialog::Accepted) {
        app_.SaveSettings();
    }
}

// The switches and extension lists are read where they are used; the
// colours and the file tree's HTML files have to be shown again.
void CMainWin::optionsTookEffect() {
    for (const auto& [window, kind] : windowList()) {
        if (auto* document = qobject_cast<CChildWin*>(window)) {
            document->editor().refreshColours();
        }
    }
    projects_->projectChanged();
}
