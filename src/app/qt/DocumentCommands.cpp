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
#include <algorithm>
#include <filesystem>

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
    std::string relPath;
    do {
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
        relPath = projectRelPathOf(dialog.choice());
    } while (!relPath.empty() && !mayReplace(projectPathOf(relPath)));
    const NewFileChoice choice = dialog.choice();
    if (choice.useAsDefault && !choice.templateName.isEmpty()) {
        app_.state().DefaultTemplate = choice.templateName.toStdString();
    }
    const bool fromTemplate = choice.fromTemplate && !choice.templateName.isEmpty();
    CChildWin* window =
        newDocument(fromTemplate ? choice.templateName.toStdString() : std::string(),
                    app_.settings().isOn(CEditorSettings::ColorKeyOnOpen));
    if (!relPath.empty()) {
        addToProject(*window, relPath);
    }
}

// The project entry a new file chosen to join the project gets; "" when it
// does not join one.
std::string DocumentCommands::projectRelPathOf(const NewFileChoice& choice) const {
    const CProject* project = app_.state().CurrentProject.get();
    if (!choice.addToProject || project == nullptr) {
        return {};
    }
    return RelPathForTyped(*project, choice.fileName.toStdString());
}

std::string DocumentCommands::projectPathOf(const std::string& relPath) const {
    CProjectEntry entry;
    entry.RelPath = relPath;
    return FullPathOf(*app_.state().CurrentProject, entry);
}

// A file already there is replaced only when the user says so.
bool DocumentCommands::mayReplace(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return true;
    }
    return services_.askYesNo(&frame_,
                              QString::fromStdString(path) +
                                  QStringLiteral(" already exists.\nDo you want to replace it?"),
                              QStringLiteral("New"));
}

// The new document is written at once; only a file that was written joins
// the project, and a file the project lists already is not listed twice.
void DocumentCommands::addToProject(CChildWin& window, const std::string& relPath) {
    CProject& project = *app_.state().CurrentProject;
    const std::string path = projectPathOf(relPath);
    window.setPath(path);
    if (!window.saveForCommand()) {
        window.setPath({});
        return;
    }
    const bool listed =
        std::any_of(project.Files.begin(), project.Files.end(),
                    [&](const CProjectEntry& entry) { return FullPathOf(project, entry) == path; });
    if (!listed) {
        AddProjectFile(project, relPath);
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
