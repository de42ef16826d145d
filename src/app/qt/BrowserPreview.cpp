#include "app/qt/BrowserPreview.h"

#include "app/BrowserLookup.h"
#include "app/CommandIds.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/COpenInBrowserDlg.h"
#include "app/qt/IPlatformServices.h"

#include <cstdlib>

namespace {

std::string pathList() {
    const char* path = std::getenv("PATH");
    return path == nullptr ? std::string() : std::string(path);
}

} // namespace

BrowserPreview::BrowserPreview(CEditorApp& app, CMainWin& frame, IPlatformServices& services)
    : app_(app), frame_(frame), services_(services) {}

void BrowserPreview::launch(const std::string& path) {
    const CEditorSettings& settings = app_.settings();
    const BrowserLookup browser = FindBrowser(settings.Browser, settings.OtherBrowser, pathList());
    const QString page = QString::fromStdString(path);
    if (browser.found &&
        services_.startProgram(QString::fromStdString(browser.executable), {page})) {
        return;
    }
    const QString why = browser.found ? QStringLiteral("%1 could not be started.")
                                            .arg(QString::fromStdString(browser.executable))
                                      : QString::fromStdString(browser.error);
    if (services_.shellOpen(page)) {
        frame_.showMessage(why +
                           QStringLiteral(" The page was opened with the desktop's default."));
        return;
    }
    frame_.showMessage(QStringLiteral("The page could not be shown in a browser: ") + why);
}

void BrowserPreview::preview() {
    CChildWin* document = frame_.activeDocument();
    if (document == nullptr || !document->saveForCommand()) {
        return;
    }
    launch(document->path());
}

void BrowserPreview::openInBrowser() {
    CChildWin* document = frame_.activeDocument();
    if (document == nullptr || !document->saveForCommand()) {
        return;
    }
    CEditorSettings& settings = app_.settings();
    COpenInBrowserDlg dialog(settings.Browser, QString::fromStdString(settings.OtherBrowser),
                             services_, &frame_);
    if (dialog.exec() != QDialog::Accepted || frame_.activeDocument() == nullptr) {
        return;
    }
    settings.Browser = dialog.browser();
    if (settings.Browser == CEditorSettings::BrowserOther) {
        settings.OtherBrowser = dialog.otherBrowser().toStdString();
    }
    launch(frame_.activeDocument()->path());
}

const CommandRows<BrowserPreview>& BrowserPreview::commandRows() {
    static const auto withDocument = [](BrowserPreview& b, int, CommandState& state) {
        state.enabled = b.frame_.activeDocument() != nullptr;
    };
    static const CommandRows<BrowserPreview> rows({
        {Cmd::Preview, withDocument, [](BrowserPreview& b, int) { b.preview(); }},
        {Cmd::OpenInBrowser, withDocument, [](BrowserPreview& b, int) { b.openInBrowser(); }},
    });
    return rows;
}

bool BrowserPreview::commandState(int id, CommandState& state) {
    return commandRows().state(*this, id, state);
}

bool BrowserPreview::runCommand(int id) {
    return commandRows().run(*this, id);
}
