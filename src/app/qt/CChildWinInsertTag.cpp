// Insert Tag of CChildWin: the modeless dialogs that build a tag from the
// vocabulary.
#include "app/FileFilter.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/IPlatformServices.h"
#include "editor/qt/CMyEditBox.h"
#include "html/qt/CInsertTagDlg.h"

namespace {

// Everything here outlives the dialog: the application and its main window,
// which is the dialog's parent. The document that opened the dialog may not.
InsertTagHooks insertTagHooks(CEditorApp& app, CMainWin& frame) {
    InsertTagHooks hooks;
    hooks.activeEditor = [&frame]() -> CMyEditBox* {
        CChildWin* document = frame.activeDocument();
        return document != nullptr ? &document->editor() : nullptr;
    };
    hooks.activePath = [&frame] {
        CChildWin* document = frame.activeDocument();
        return document != nullptr ? document->path() : std::string();
    };
    hooks.useMarks = [&app] { return app.state().UseMarks == 1; };
    hooks.chooseFile = [&app](QWidget* owner) {
        const unsigned filter = FilterHtml | FilterAll | FilterImages;
        return app.services().openFileName(
            owner, QString::fromStdString(BuildFileFilter(filter, app.settings())));
    };
    hooks.chooseColor = [&app](QWidget* owner, const ColorChoice& initial) {
        return app.services().chooseColor(owner, initial, app.tagData().colors());
    };
    hooks.refused = [&app](QWidget* owner, EditResult result) {
        if (result == EditResult::TooLong)
            app.services().message(owner, QString::fromLatin1(CChildWin::TooLongMessage));
    };
    return hooks;
}

} // namespace

void CChildWin::openInsertTag() {
    CMainWin* frame = app_.mainWindow();
    if (frame == nullptr)
        return;
    auto* dialog = new CInsertTagDlg(app_.tagData(), insertTagHooks(app_, *frame), frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
