#pragma once

#include "FakeServices.h"
#include "TempDir.h"
#include "TestApp.h"
#include "WaitUntil.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/CommandRegistry.h"
#include "app/qt/DocumentCommands.h"
#include "editor/qt/CMyEditBox.h"
#include "editor/qt/EditorColorizer.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

// Runs answer on the next modal dialog as soon as it shows.
inline void whenDialogShows(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            whenDialogShows(answer);
            return;
        }
        answer(dialog);
    });
}

// A whole running application: a real QSettings file and real documents in
// temporary directories, the build tree's data files, and FakeServices
// answering every dialog and message box.
class AppFixture : public ::testing::Test {
protected:
    AppFixture() {
        app_.startFrom(TAGWRIGHT_BUILD_DATA_DIR "/");
        // Colouring upper-cases tag and argument names when these switches are
        // on, which would change the bytes the tests compare; tests that want
        // it turn them on again.
        app_.settings().Editing[CEditorSettings::UpperCaseTagNames] = 0;
        app_.settings().Editing[CEditorSettings::UpperCaseArguments] = 0;
        window()->show();
        window()->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(window()));
        QApplication::processEvents();
    }

    std::string configPath() const { return config_.path("Tagwright.conf"); }
    // The settings file as another process would read it now.
    QSettings storedSettings() const {
        return QSettings(QString::fromStdString(configPath()), QSettings::IniFormat);
    }

    CMainWin* window() { return app_.mainWindow(); }
    DocumentCommands& documents() { return window()->documents(); }
    CommandRegistry& commands() { return window()->commands(); }
    QAction* action(int id) { return commands().action(id); }
    // The action as a menu shows it: its state asked for just now.
    QAction* refreshed(int id) {
        commands().refresh();
        return action(id);
    }

    CChildWin* open(const std::filesystem::path& path) {
        CChildWin* document = documents().OpenFile(path.string(), false);
        settle();
        return document;
    }
    CChildWin* newUntitled() {
        CChildWin* document = documents().newDocument("", false);
        settle();
        return document;
    }
    // A new untitled document holding content.
    CChildWin* documentWith(const std::string& content) {
        CChildWin* document = newUntitled();
        document->editor().model().ReplaceRange(0, 0, content);
        settle();
        return document;
    }
    int windowCount() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return static_cast<int>(window()->mdiArea()->subWindowList().size());
    }
    void activate(CChildWin* document) {
        window()->mdiArea()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(document->parentWidget()));
        settle();
    }
    static std::string text(const CChildWin* document) { return document->editor().model().text(); }
    static bool modified(const CChildWin* document) {
        return document->editor().model().isModified();
    }

    // Types as a user would, into the document's editor.
    void type(CChildWin* document, const QString& keys) {
        QTest::keyClicks(&document->editor(), keys);
        settle();
    }
    void key(CChildWin* document, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&document->editor(), key, modifiers);
        settle();
    }

    // Lets posted events run (queued activation work, colouring results)
    // until no colouring pass is outstanding in any document.
    void settle() {
        QApplication::processEvents();
        waitUntil([this] {
            for (QMdiSubWindow* sub : window()->mdiArea()->subWindowList()) {
                auto* document = qobject_cast<CChildWin*>(sub->widget());
                if (document != nullptr && document->editor().colorizer().isBusy()) {
                    return false;
                }
            }
            return true;
        });
        QApplication::processEvents();
    }

    // Moves the file's modification time away from the one the program
    // noted, as another program's write would.
    static void touchLater(const std::filesystem::path& file) {
        std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                                   std::chrono::seconds(5));
    }

    TempDir config_;
    TempDir files_;
    TestApp app_{configPath()};
    FakeServices* services_ = app_.fakes;
};
