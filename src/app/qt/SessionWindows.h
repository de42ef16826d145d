#pragma once

#include "app/RecoveryFile.h"
#include "app/Session.h"

#include <vector>

class CMainWin;
struct CAppState;

// Between a session and the windows: what the open windows amount to at a
// normal close, and the windows again at the next start.
class SessionWindows {
public:
    // The titled documents in window order, and the current project.
    static Session capture(const CMainWin& frame, const CAppState& state);
    // Opens the project and the documents that still exist (the others are
    // skipped silently) with their selection and scroll position, and
    // activates the one that was active.
    static void reopen(const Session& session, CMainWin& frame);
    // Puts each recovered text back: into its document, opened again, or
    // into a new window when the file is gone or was never saved. Each
    // comes back modified and can be undone to the file's text.
    static void recover(const std::vector<RecoveryFile>& files, CMainWin& frame);
};
