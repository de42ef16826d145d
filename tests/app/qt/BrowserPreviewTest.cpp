#include "app/qt/BrowserPreview.h"

#include "AppFixture.h"
#include "app/CommandIds.h"
#include "app/qt/COpenInBrowserDlg.h"
#include "app/qt/ProjectCommands.h"
#include "project/qt/CTreeViewFile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <sys/stat.h>

namespace {

// PATH set to one folder for the length of a test.
class ScopedPath {
public:
    explicit ScopedPath(const std::string& folder) : old_(qgetenv("PATH")) {
        qputenv("PATH", QByteArray::fromStdString(folder));
    }
    ~ScopedPath() { qputenv("PATH", old_); }

private:
    QByteArray old_;
};

void answerNextDialog(std::function<void(COpenInBrowserDlg*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<COpenInBrowserDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            answerNextDialog(answer);
            return;
        }
        answer(dialog);
    });
}

} // namespace

class BrowserPreviewTest : public AppFixture {
protected:
    using Started = std::vector<std::pair<QString, QStringList>>;

    CChildWin* openPage() {
        page_ = files_.write("my site/a page.html", "<P>x</P>\n").string();
        return open(page_);
    }
    QString statusText() { return window()->statusBar()->currentMessage(); }
    std::string page_;
};

TEST_F(BrowserPreviewTest, PreviewNeedsADocument) {
    EXPECT_FALSE(refreshed(Cmd::Preview)->isEnabled());
    EXPECT_FALSE(refreshed(Cmd::OpenInBrowser)->isEnabled());
    openPage();
    EXPECT_TRUE(refreshed(Cmd::Preview)->isEnabled());
    EXPECT_TRUE(refreshed(Cmd::OpenInBrowser)->isEnabled());
}

// The path reaches the browser as one argument, blanks and all, after the
// document's edits were saved.
TEST_F(BrowserPreviewTest, PreviewSavesAndStartsTheBrowserFoundOnThePath) {
    TempDir bin;
    const std::string chromium = bin.write("chromium-browser", "#!/bin/sh\n").string();
    ::chmod(chromium.c_str(), 0755);
    ScopedPath path(bin.path());
    app_.settings().Browser = CEditorSettings::BrowserExplorer;
    CChildWin* document = openPage();
    type(document, "Hi");
    key(document, Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(TempDir::readFile(page_), "Hi<P>x</P>\n");
    EXPECT_EQ(services_->started,
              (Started{{QString::fromStdString(chromium), {QString::fromStdString(page_)}}}));
    EXPECT_TRUE(services_->shellOpened.isEmpty());
}

TEST_F(BrowserPreviewTest, AnUntitledDocumentWhoseSaveIsCancelledLaunchesNothing) {
    newUntitled();
    app_.settings().Browser = CEditorSettings::BrowserOther;
    app_.settings().OtherBrowser = "/bin/true";
    EXPECT_TRUE(commands().execute(Cmd::Preview));
    EXPECT_EQ(services_->saveDialogs, 1);
    EXPECT_TRUE(services_->started.empty());
    EXPECT_TRUE(services_->shellOpened.isEmpty());
}

struct FallbackCase {
    const char* name;
    bool browserFound;
    bool startWorks;
    bool desktopWorks;
    const char* status; // the start of the status bar's text; "" for none
};

// Where the browser cannot be found or started, the desktop's default
// handler shows the page; where that fails too, the status bar says so.
TEST_F(BrowserPreviewTest, FallsBackToTheDesktopThenToTheStatusBar) {
    const FallbackCase cases[] = {
        {"started", true, true, true, ""},
        {"not started", true, false, true, "/opt/b could not be started."},
        {"not found", false, true, true, "No program named firefox or firefox-esr"},
        {"nothing works", false, true, false, "The page could not be shown in a browser: No "},
    };
    TempDir emptyBin;
    ScopedPath path(emptyBin.path());
    openPage();
    for (const FallbackCase& c : cases) {
        window()->statusBar()->clearMessage();
        services_->started.clear();
        services_->shellOpened.clear();
        services_->startSucceeds = c.startWorks;
        services_->shellSucceeds = c.desktopWorks;
        app_.settings().Browser =
            c.browserFound ? CEditorSettings::BrowserOther : CEditorSettings::BrowserNetscape;
        app_.settings().OtherBrowser = "/opt/b";
        window()->browserPreview().preview();
        EXPECT_EQ(services_->started.size(), c.browserFound ? 1u : 0u) << c.name;
        const bool toDesktop = !c.browserFound || !c.startWorks;
        EXPECT_EQ(services_->shellOpened,
                  toDesktop ? QStringList{QString::fromStdString(page_)} : QStringList())
            << c.name;
        if (*c.status == '\0') {
            // The pane may show the tag under the caret, never a complaint.
            EXPECT_FALSE(statusText().contains("could not")) << c.name;
            EXPECT_FALSE(statusText().contains("desktop")) << c.name;
        } else {
            EXPECT_TRUE(statusText().startsWith(QString::fromUtf8(c.status)))
                << c.name << ": " << statusText().toStdString();
        }
    }
}

TEST_F(BrowserPreviewTest, OpenInBrowserRemembersTheChosenProgramForPreview) {
    openPage();
    app_.settings().Browser = CEditorSettings::BrowserNetscape;
    services_->openNames.push_back("/opt/other browser/run");
    answerNextDialog([](COpenInBrowserDlg* dialog) {
        EXPECT_TRUE(dialog->radio(CEditorSettings::BrowserNetscape)->isChecked());
        QTest::mouseClick(dialog->browseButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog->radio(CEditorSettings::BrowserOther)->isChecked());
        QTest::mouseClick(dialog->launchButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(commands().execute(Cmd::OpenInBrowser));
    const Started expected = {{"/opt/other browser/run", {QString::fromStdString(page_)}}};
    EXPECT_EQ(services_->started, expected);
    EXPECT_EQ(app_.settings().Browser, CEditorSettings::BrowserOther);
    EXPECT_EQ(app_.settings().OtherBrowser, "/opt/other browser/run");

    services_->started.clear();
    EXPECT_TRUE(commands().execute(Cmd::Preview));
    EXPECT_EQ(services_->started, expected);

    services_->started.clear();
    answerNextDialog([](COpenInBrowserDlg* dialog) {
        dialog->radio(CEditorSettings::BrowserNetscape)->setChecked(true);
        QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(commands().execute(Cmd::OpenInBrowser));
    EXPECT_TRUE(services_->started.empty());
    EXPECT_EQ(app_.settings().Browser, CEditorSettings::BrowserOther);
}

TEST_F(BrowserPreviewTest, TheFileTreeShowsAProjectFileInTheBrowser) {
    files_.write("site/index.html", "<P>x</P>\n");
    const std::string prj =
        files_.write("site/site.prj", "NAME: s\r\n{\r\nstyle.css\r\nindex.html\r\n}\r\n").string();
    ASSERT_TRUE(window()->projects().openProject(prj));
    app_.settings().Browser = CEditorSettings::BrowserOther;
    app_.settings().OtherBrowser = "/opt/b";
    CTreeViewFile* tree = window()->fileTree();
    tree->contextMenuFor(tree->filesItem()->child(1));
    tree->menuAction(CTreeViewFile::OpenInBrowser)->trigger();
    EXPECT_EQ(services_->started,
              (Started{{"/opt/b", {QString::fromStdString(files_.path("site/index.html"))}}}));
}
