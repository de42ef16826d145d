#include "app/qt/DocumentCommands.h"

#include "app/CommandIds.h"
#include "app/FileFailure.h"
#include "app/FileFilter.h"
#include "app/InstallPaths.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/CNewFileDlg.h"
#include "app/qt/ErrorLogs.h"
#include "app/qt/IPlatformServices.h"
#include "app/qt/LinkValidation.h"
#include "app/qt/ProjectCommands.h"
#include "editor/qt/CMyEditBox.h"
#include "project/PathUtils.h"
#include "project/ProjectEdits.h"

#include <QMdiArea>
#include <QMdiSubWindow>

DocumentCommands::DocumentCommands(CEditorApp& app, CMainWin& frame, IPlatformServices& services)
    : app_(app), frame_(frame), services_(services) {}

CChildWin* DocumentCommands::findDocument(const std::string& path) const {
    for (const auto& [window, kind] : frame_.windowList()) {
        auto* document = qobject_cast<CChildWin*>(window);
        if (kind == CMainWin::kDocumentKind && document != nullptr && document->path() == path) {
            return document;
        }
    }
    return nullptr;
}

CChildWin* DocumentCommands::createWindow() {
    auto* window = new CChildWin(app_, services_);
    QObject::connect(window, &CChildWin::tagInfoChanged, &frame_, &CMainWin::showMessage);
    frame_.addChild(window, CMainWin::kDocumentKind);
    return window;
}

CChildWin* DocumentCommands::OpenFile(const std::string& path, bool forceEditor) {
    if (CChildWin* open = findDocument(path)) {
        frame_.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        return open;
    }
    if (forceEditor || HasExtension(app_.settings().OpenExt, path)) {
        return openInEditor(path);
    }
    if (services_.shellOpen(QString::fromStdString(path))) {
        return nullptr;
    }
    return openInEditor(path);
}

CChildWin* DocumentCommands::openInEditor(const std::string& path) {
    CChildWin* window = createWindow();
    window->setPath(path);
    std::string reason;
    const FileResult result = window->loadFile(path, &reason);
    if (result != FileResult::Ok) {
        window->parentWidget()->close();
        services_.failure(&frame_, QStringLiteral("Failed to open file"),
                          QString::fromStdString(DescribeFileFailure(path, result, reason)));
        return nullptr;
    }
    app_.recentFiles().add(path);
    window->SetTitle(QString::fromStdString(path));
    window->editor().setFocus();
    if (CProject* project = app_.state().CurrentProject.get()) {
        MarkFileOpen(*project, path, window);
    }
    if (app_.settings().isOn(CEditorSettings::ColorKeyOnOpen)) {
        window->editor().ColorKey();
    }
    frame_.errorLogs().layMarksInto(*window);
    frame_.linkValidation().MarkAllLinks(*window);
    frame_.UpdateRecentMenus();
    return window;
}

std::string DocumentCommands::templatePath(const std::string& templateName) const {
    const CAppState& state = app_.state();
    return ResolveDataFile(state.InstallDir, state.TemplateDir + templateName);
}

CChildWin* DocumentCommands::newDocument(const std::string& templateName, bool colorKey) {
    CChildWin* window = createWindow();
    window->SetTitle(QStringLiteral("Untitled"));
    if (!templateName.empty()) {
        // A missing template leaves an empty document.
        window->loadFile(templatePath(templateName));
        if (colorKey) {
            window->editor().ColorKey();
        }
    }
    window->editor().setFocus();
    frame_.UpdateRecentMenus();
    return window;
}

CChildWin* DocumentCommands::newFromDefaultTemplate() {
    return newDocument(app_.state().DefaultTemplate, true);
}

void DocumentCommands::SaveAll(bool askIfUntitled) {
    for (const auto& [window, kind] : frame_.windowList()) {
        if (auto* document = qobject_cast<CChildWin*>(window)) {
            document->SaveDocument(askIfUntitled);
        }
    }
}

void DocumentCommands::openWithDialog() {
    const QString filter = QString::fromStdString(BuildFileFilter(7, app_.settings()));
    if (const CChildWin* active = frame_.activeDocument()) {
        services_.setDialogFolder(active->folder());
    }
    const QString chosen = services_.openFileName(&frame_, filter);
    if (!chosen.isEmpty()) {
        OpenFile(chosen.toStdString(), false);
    }
}

void DocumentCommands::showNewFileDialog() {
    const CAppState& state = app_.state();
    CNewFileDlg dialog(QString::fromStdString(ResolveDataFile(state.InstallDir, state.TemplateDir)),
                       QString::fromStdString(state.DefaultTemplate),
                       state.CurrentProject != nullptr, services_, &frame_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const NewFileChoice choice = dialog.choice();
    if (choice.useAsDefault && !choice.templateName.isEmpty()) {
        app_.state().DefaultTemplate = choice.templateName.toStdString();
    }
    const bool fromTemplate = choice.fromTemplate && !choice.templateName.isEmpty();
    CChildWin* window =
        newDocument(fromTemplate ? choice.templateName.toStdString() : std::string(),
                    app_.settings().isOn(CEditorSettings::ColorKeyOnOpen));
    CProject* project = app_.state().CurrentProject.get();
    if (choice.addToProject && project != nullptr) {
        const CProjectEntry& entry =
            AddProjectFile(*project, RelPathForTyped(*project, choice.fileName.toStdString()));
        window->setPath(FullPathOf(*project, entry));
        window->SaveDocument(true);
        frame_.projects().projectChanged();
    }
}

const CommandRows<DocumentCommands>& DocumentCommands::commandRows() {
    static const CommandRows<DocumentCommands> rows({
        {Cmd::FileNew, nullptr, [](DocumentCommands& d, int) { d.showNewFileDialog(); }},
        {Cmd::NewFromTemplate, nullptr,
         [](DocumentCommands& d, int) { d.newFromDefaultTemplate(); }},
        {Cmd::FileOpen, nullptr, [](DocumentCommands& d, int) { d.openWithDialog(); }},
        {Cmd::FileSaveAll,
         [](DocumentCommands& d, int, CommandState& state) {
             state.enabled = d.frame_.activeDocument() != nullptr;
         },
         [](DocumentCommands& d, int) {
             d.SaveAll(true);
             d.frame_.clearCloseCancelled();
         }},
    });
    return rows;
}

bool DocumentCommands::commandState(int id, CommandState& state) {
    return commandRows().state(*this, id, state);
}

bool DocumentCommands::runCommand(int id) {
    return commandRows().run(*this, id);
}
