#pragma once

#include "app/qt/CommandRows.h"
#include "app/qt/ICommandTarget.h"

#include <QString>
#include <string>
#include <vector>

struct CProject;
class CEditorApp;
class CMainWin;
class CTreeViewFile;
class IPlatformServices;

// The main window's project commands: New, Open and Close Project, the
// recent projects, Add Files, Settings and Check Project, and keeping the
// Workspace's file tree in step with the current project.
class ProjectCommands : public ICommandTarget {
public:
    ProjectCommands(CEditorApp& app, CMainWin& frame, IPlatformServices& services);

    // The tree that shows the current project; the main window owns it.
    void setTree(CTreeViewFile* tree);
    CProject* project() const;
    const std::vector<std::string>& recentProjects() const;

    // Loads the project file at path as the current project, after closing
    // the one that is current. Says "I/O Error" and leaves no project when
    // it cannot be read.
    bool openProject(const std::string& path);
    // Saves the current project when it has a path, then closes it. When
    // the save fails the user may keep it open: then false.
    bool closeProject();
    void newProject();
    void openWithDialog();
    void addFiles();
    void editSettings();
    // Saves the open documents, then checks the project's HTML files.
    void checkProject();
    // Lets the user choose the files to upload, then uploads them.
    void upload();
    // Uploads the files whose Upload flag is set.
    void runUpload();
    // Saves the current project when it has a path; a failure is reported.
    bool saveProject();
    // Shows the current project (or none) in the tree and the menus.
    void projectChanged();

    static const CommandRows<ProjectCommands>& commandRows();

    bool commandState(int id, CommandState& state) override;
    bool runCommand(int id) override;

private:
    bool save(QString* detail);
    void rebuildTree();

    CEditorApp& app_;
    CMainWin& frame_;
    IPlatformServices& services_;
    CTreeViewFile* tree_ = nullptr;
};
