#include "app/qt/ProjectCommands.h"

#include "app/CommandIds.h"
#include "app/FileFailure.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/CommandRegistry.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/ErrorLogs.h"
#include "app/qt/IPlatformServices.h"
#include "project/ProjectEdits.h"
#include "project/ProjectFile.h"
#include "project/UploadJob.h"
#include "project/qt/CAddFilesDlg.h"
#include "project/qt/CNewProjectDlg.h"
#include "project/qt/CProjectSettingsDlg.h"
#include "project/qt/CTreeViewFile.h"
#include "project/qt/CUploadProjectDlg.h"
#include "project/qt/CUploadingProjectDlg.h"

namespace {

constexpr int kRecentCount = 5;

FileResult asFileResult(AtomicWriteResult result) {
    return result == AtomicWriteResult::ReadOnly ? FileResult::ReadOnly : FileResult::WriteFailed;
}

} // namespace

ProjectCommands::ProjectCommands(CEditorApp& app, CMainWin& frame, IPlatformServices& services)
    : app_(app), frame_(frame), services_(services) {}

void ProjectCommands::setTree(CTreeViewFile* tree) {
    tree_ = tree;
    rebuildTree();
}

const std::vector<std::string>& ProjectCommands::recentProjects() const {
    return app_.recentProjects().entries();
}

CProject* ProjectCommands::project() const {
    return app_.state().CurrentProject.get();
}

void ProjectCommands::rebuildTree() {
    if (tree_ != nullptr) {
        tree_->setProject(project());
        tree_->setHtmlExtensions(app_.settings().HTMLExt);
        tree_->rebuild();
    }
}

void ProjectCommands::projectChanged() {
    rebuildTree();
    frame_.UpdateRecentMenus();
    frame_.commands().scheduleRefresh();
}

bool ProjectCommands::save(QString* detail) {
    CProject* current = project();
    AtomicWriteResult outcome = AtomicWriteResult::Ok;
    if (SaveProject(*current, &outcome)) {
        app_.recentProjects().add(current->Path);
        return true;
    }
    *detail = QString::fromStdString(DescribeFileFailure(current->Path, asFileResult(outcome)));
    return false;
}

bool ProjectCommands::saveProject() {
    CProject* current = project();
    if (current == nullptr || current->Path.empty()) {
        return true;
    }
    QString detail;
    if (save(&detail)) {
        frame_.UpdateRecentMenus();
        return true;
    }
    services_.failure(&frame_, QStringLiteral("Failed to save the project."), detail);
    return false;
}

// A project whose file cannot be written keeps its changes only in memory;
// closing it without asking would lose them.
bool ProjectCommands::closeProject() {
    CProject* current = project();
    if (current == nullptr) {
        return true;
    }
    QString detail;
    if (!current->Path.empty() && !save(&detail)) {
        const QString question = QStringLiteral("Failed to save the project.\n%1\n\nClose it "
                                                "anyway and lose its changes?")
                                     .arg(detail);
        if (!services_.askYesNo(&frame_, question, QString())) {
            return false;
        }
    }
    app_.state().CurrentProject.reset();
    projectChanged();
    return true;
}

bool ProjectCommands::openProject(const std::string& path) {
    if (!closeProject()) {
        return false;
    }
    auto loaded = std::make_unique<CProject>();
    std::string reason;
    if (LoadProject(*loaded, path, &reason) != ReadResult::Ok) {
        services_.failure(&frame_, QStringLiteral("I/O Error"),
                          QString::fromStdString(path + "\n\n" + reason));
        projectChanged();
        return false;
    }
    app_.recentProjects().add(loaded->Path);
    app_.state().CurrentProject = std::move(loaded);
    projectChanged();
    return true;
}

void ProjectCommands::newProject() {
    if (!closeProject()) {
        return;
    }
    app_.state().CurrentProject = std::make_unique<CProject>();
    CNewProjectDlg dialog(
        *project(), services_, [this] { return saveProject(); }, &frame_);
    if (dialog.exec() != QDialog::Accepted) {
        app_.state().CurrentProject.reset();
    }
    projectChanged();
}

void ProjectCommands::openWithDialog() {
    const QString chosen =
        services_.openFileName(&frame_, QStringLiteral("Project Files (*.prj);;All Files (*)"));
    if (!chosen.isEmpty()) {
        openProject(chosen.toStdString());
    }
}

void ProjectCommands::addFiles() {
    if (project() == nullptr) {
        return;
    }
    CAddFilesDlg(
        *project(), services_, [this] { saveProject(); }, &frame_)
        .exec();
    rebuildTree();
}

void ProjectCommands::editSettings() {
    if (project() == nullptr) {
        return;
    }
    CProjectSettingsDlg(
        *project(), [this] { saveProject(); }, &frame_)
        .exec();
    rebuildTree();
}

void ProjectCommands::checkProject() {
    if (project() == nullptr) {
        return;
    }
    frame_.documents().SaveAll(true);
    frame_.errorLogs().startRun(FilesWithExtension(*project(), app_.settings().HTMLExt));
}

void ProjectCommands::upload() {
    if (project() != nullptr &&
        CUploadProjectDlg(*project(), &frame_).exec() == QDialog::Accepted) {
        runUpload();
    }
}

void ProjectCommands::runUpload() {
    if (project() == nullptr) {
        return;
    }
    CUploadingProjectDlg(MakeUploadJob(*project()), CUploadingProjectDlg::systemConnection(),
                         &frame_)
        .exec();
}

namespace {

void withProject(ProjectCommands& commands, int, CommandState& state) {
    state.enabled = commands.project() != nullptr;
}

void showRecentProject(ProjectCommands& commands, int id, CommandState& state) {
    const auto& entries = commands.recentProjects();
    const auto slot = static_cast<std::size_t>(id - Cmd::RecentProject0);
    state.enabled = slot < entries.size();
    if (state.enabled) {
        // An "&" in a path is a letter here, not a menu mnemonic.
        state.text = QString::fromStdString(entries[slot]).replace('&', QStringLiteral("&&"));
    }
}

void openRecentProject(ProjectCommands& commands, int id) {
    const auto& entries = commands.recentProjects();
    const auto slot = static_cast<std::size_t>(id - Cmd::RecentProject0);
    if (slot < entries.size()) {
        const std::string path = entries[slot]; // opening may change the list
        commands.openProject(path);
    }
}

} // namespace

const CommandRows<ProjectCommands>& ProjectCommands::commandRows() {
    using Row = CommandRow<ProjectCommands>;
    static const CommandRows<ProjectCommands> rows = [] {
        std::vector<Row> list = {
            {Cmd::NewProject, nullptr, [](ProjectCommands& p, int) { p.newProject(); }},
            {Cmd::OpenProject, nullptr, [](ProjectCommands& p, int) { p.openWithDialog(); }},
            {Cmd::CloseProject, withProject, [](ProjectCommands& p, int) { p.closeProject(); }},
            {Cmd::AddFiles, withProject, [](ProjectCommands& p, int) { p.addFiles(); }},
            {Cmd::ProjectSettings, withProject, [](ProjectCommands& p, int) { p.editSettings(); }},
            {Cmd::CheckProject, withProject, [](ProjectCommands& p, int) { p.checkProject(); }},
            {Cmd::Upload, withProject, [](ProjectCommands& p, int) { p.upload(); }},
        };
        for (int slot = 0; slot < kRecentCount; ++slot) {
            list.push_back({Cmd::RecentProject0 + slot, showRecentProject, openRecentProject});
        }
        return CommandRows<ProjectCommands>(std::move(list));
    }();
    return rows;
}

bool ProjectCommands::commandState(int id, CommandState& state) {
    return commandRows().state(*this, id, state);
}

bool ProjectCommands::runCommand(int id) {
    return commandRows().run(*this, id);
}
