#include "app/qt/LinkValidation.h"

#include "app/CommandIds.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/DocumentCommands.h"
#include "editor/qt/CMyEditBox.h"
#include "project/PathUtils.h"
#include "project/qt/CLinkValidator.h"

LinkValidation::LinkValidation(CEditorApp& app, CMainWin& frame, IPlatformServices& services)
    : app_(app), frame_(frame), services_(services) {}

LinkValidation::~LinkValidation() {
    delete dialog_.data();
}

CLinkValidator* LinkValidation::dialog() const {
    return dialog_.data();
}

bool LinkValidation::isOpen() const {
    return !dialog_.isNull();
}

bool LinkValidation::raiseOpenDialog() {
    if (dialog_.isNull()) {
        return false;
    }
    dialog_->raise();
    dialog_->activateWindow();
    return true;
}

void LinkValidation::validateDocument() {
    CChildWin* document = frame_.activeDocument();
    if (raiseOpenDialog() || document == nullptr || !document->saveForCommand()) {
        return;
    }
    const std::string folder = DirectoryOf(document->path());
    open({RelativePath(document->path(), folder)}, folder);
}

void LinkValidation::validateProject() {
    const CProject* project = app_.state().CurrentProject.get();
    if (raiseOpenDialog() || project == nullptr) {
        return;
    }
    frame_.documents().SaveAll(true);
    std::vector<std::string> files;
    for (const CProjectEntry& entry : project->Files) {
        if (HasExtension(app_.settings().HTMLExt, entry.RelPath)) {
            files.push_back(entry.RelPath);
        }
    }
    open(std::move(files), project->Directory());
}

void LinkValidation::open(std::vector<std::string> files, std::string base) {
    dialog_ = new CLinkValidator(app_.tagData(), std::move(files), std::move(base), *this,
                                 services_, &frame_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    dialog_->show();
    dialog_->start();
}

void LinkValidation::MarkAllLinks(CChildWin& document) {
    if (!dialog_.isNull()) {
        dialog_->MarkAllLinks(document.editor(), document.path());
    }
}

std::vector<std::pair<std::string, CMyEditBox*>> LinkValidation::openDocuments() {
    std::vector<std::pair<std::string, CMyEditBox*>> documents;
    for (const auto& [window, kind] : frame_.windowList()) {
        auto* document = qobject_cast<CChildWin*>(window);
        if (document != nullptr && !document->path().empty()) {
            documents.emplace_back(document->path(), &document->editor());
        }
    }
    return documents;
}

CMyEditBox* LinkValidation::openInEditor(const std::string& path) {
    CChildWin* document = frame_.documents().OpenFile(path, true);
    return document != nullptr ? &document->editor() : nullptr;
}

void LinkValidation::openFile(const std::string& path) {
    frame_.documents().OpenFile(path, false);
}

void LinkValidation::keepMarkLinks(CMyEditBox& editor, std::shared_ptr<const void> records) {
    for (const auto& [window, kind] : frame_.windowList()) {
        auto* document = qobject_cast<CChildWin*>(window);
        if (document != nullptr && &document->editor() == &editor) {
            document->keepMarkLinks(std::move(records));
            return;
        }
    }
}

const CommandRows<LinkValidation>& LinkValidation::commandRows() {
    static const CommandRows<LinkValidation> rows({
        {Cmd::ValidateLinks,
         [](LinkValidation& v, int, CommandState& state) {
             state.enabled = v.frame_.activeDocument() != nullptr;
         },
         [](LinkValidation& v, int) { v.validateDocument(); }},
        {Cmd::ProjectLinkValidation,
         [](LinkValidation& v, int, CommandState& state) {
             state.enabled = v.app_.state().CurrentProject != nullptr;
         },
         [](LinkValidation& v, int) { v.validateProject(); }},
    });
    return rows;
}

bool LinkValidation::commandState(int id, CommandState& state) {
    return commandRows().state(*this, id, state);
}

bool LinkValidation::runCommand(int id) {
    return commandRows().run(*this, id);
}
