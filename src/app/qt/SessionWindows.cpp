#include "app/qt/SessionWindows.h"

#include "app/CAppState.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CMainWin.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/ProjectCommands.h"
#include "editor/qt/CMyEditBox.h"
#include "project/CProject.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

namespace {

bool isFile(const std::string& path) {
    return !path.empty() && QFileInfo(QString::fromStdString(path)).isFile();
}

void activate(CMainWin& frame, CChildWin* document) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(document->parentWidget())) {
        frame.mdiArea()->setActiveSubWindow(sub);
    }
}

void restoreView(CMyEditBox& editor, const SessionDocument& document) {
    const int length = editor.model().length();
    editor.SetSelection(std::clamp(document.selectionStart, 0, length),
                        std::clamp(document.caret, 0, length), true);
    editor.setTopLine(document.topLine);
}

} // namespace

Session SessionWindows::capture(const CMainWin& frame, const CAppState& state) {
    Session session;
    const CChildWin* active = frame.activeDocument();
    for (const auto& [window, kind] : frame.windowList()) {
        const auto* document = qobject_cast<const CChildWin*>(window);
        if (document == nullptr || document->path().empty()) {
            continue;
        }
        if (document == active) {
            session.active = static_cast<int>(session.documents.size());
        }
        const CMyEditBox& editor = document->editor();
        const Selection selection = editor.model().GetSelection();
        session.documents.push_back(
            {document->path(), selection.start, selection.caret, editor.topLine()});
    }
    if (state.CurrentProject != nullptr) {
        session.project = state.CurrentProject->Path;
    }
    return session;
}

void SessionWindows::reopen(const Session& session, CMainWin& frame) {
    if (isFile(session.project)) {
        frame.projects().openProject(session.project);
    }
    CChildWin* active = nullptr;
    for (std::size_t i = 0; i < session.documents.size(); ++i) {
        const SessionDocument& saved = session.documents[i];
        if (!isFile(saved.path)) {
            continue;
        }
        CChildWin* document = frame.documents().OpenFile(saved.path, true);
        if (document == nullptr) {
            continue;
        }
        restoreView(document->editor(), saved);
        if (static_cast<int>(i) == session.active) {
            active = document;
        }
    }
    if (active != nullptr) {
        activate(frame, active);
    }
}

void SessionWindows::recover(const std::vector<RecoveryFile>& files, CMainWin& frame) {
    for (const RecoveryFile& file : files) {
        CChildWin* document =
            isFile(file.path) ? frame.documents().OpenFile(file.path, true) : nullptr;
        if (document == nullptr) {
            document = frame.documents().newDocument("", false);
            // A file that is gone is written back where it was.
            document->setPath(file.path);
            document->SetTitle(file.path.empty() ? QStringLiteral("Untitled")
                                                 : QString::fromStdString(file.path));
        }
        CMyEditBox& editor = document->editor();
        editor.model().ReplaceRange(0, editor.model().length(), file.text);
        editor.SetSelection(0, 0, true);
        editor.setTopLine(0);
        editor.ColorKey();
    }
}
