#pragma once

#include "app/qt/CommandRows.h"
#include "app/qt/ICommandTarget.h"
#include "project/qt/ILinkDocuments.h"

#include <QPointer>
#include <string>
#include <vector>

class CChildWin;
class CEditorApp;
class CLinkValidator;
class CMainWin;
class IPlatformServices;

// The main window's link validation: Validate Links for the active
// document, Link Validation for the project, the one dialog they open (a
// second request while it is open brings it to the front) and the marking
// of documents opened while it exists.
class LinkValidation : public ICommandTarget, public ILinkDocuments {
public:
    LinkValidation(CEditorApp& app, CMainWin& frame, IPlatformServices& services);
    ~LinkValidation() override;

    // Saves the active document, then validates its links alone.
    void validateDocument();
    // Saves the open documents, then validates the project's HTML files.
    void validateProject();
    // The open dialog, or null.
    CLinkValidator* dialog() const;
    bool isOpen() const;
    // A document just opened gets the marks of the open dialog.
    void MarkAllLinks(CChildWin& document);

    static const CommandRows<LinkValidation>& commandRows();
    bool commandState(int id, CommandState& state) override;
    bool runCommand(int id) override;

    std::vector<std::pair<std::string, CMyEditBox*>> openDocuments() override;
    CMyEditBox* openInEditor(const std::string& path) override;
    void openFile(const std::string& path) override;
    void keepMarkLinks(CMyEditBox& editor, std::shared_ptr<const void> records) override;

private:
    bool raiseOpenDialog();
    void open(std::vector<std::string> files, std::string base);

    CEditorApp& app_;
    CMainWin& frame_;
    IPlatformServices& services_;
    QPointer<CLinkValidator> dialog_;
};
