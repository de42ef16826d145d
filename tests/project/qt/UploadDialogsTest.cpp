#include "WaitUntil.h"
#include "app/CommandIds.h"
#include "app/qt/AppFixture.h"
#include "app/qt/ProjectCommands.h"
#include "project/CProject.h"
#include "project/CurlFtpConnection.h"
#include "project/FtpTestServer.h"
#include "project/UploadJob.h"
#include "project/UploadState.h"
#include "project/qt/CTreeViewFile.h"
#include "project/qt/CUploadProjectDlg.h"
#include "project/qt/CUploadingProjectDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList listed(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
        lines << list->item(row)->text();
    }
    return lines;
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickLine(QListWidget* list, const QString& text, Qt::KeyboardModifiers modifiers) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(found.front()).center());
}

std::vector<std::string> flagged(const CProject& project) {
    std::vector<std::string> names;
    for (const CProjectEntry& entry : project.Files) {
        if (entry.Upload) {
            names.push_back(entry.RelPath);
        }
    }
    return names;
}

// A project over real files, pointed at the local test server.
class UploadSite {
public:
    explicit UploadSite(const std::string& server) {
        project.Path = dir.path("site/site.prj");
        project.FtpServer = server;
        project.ServerPath = "www";
        project.Login = "web";
        project.Password = "web";
        project.AutoUpdate = true;
    }
    void add(const std::string& relPath, const std::string& bytes, bool upload = false) {
        dir.write("site/" + relPath, bytes);
        CProjectEntry entry;
        entry.RelPath = relPath;
        entry.Upload = upload;
        project.Files.push_back(entry);
    }
    TempDir dir;
    CProject project;
};

CUploadingProjectDlg::ConnectionFactory quickConnection() {
    return [](const std::atomic<bool>& cancel) -> std::unique_ptr<FtpConnection> {
        auto connection = std::make_unique<CurlFtpConnection>();
        connection->setCancelFlag(&cancel);
        return connection;
    };
}

// Runs answer on the next modal dialog of type Dialog as soon as it shows.
template <typename Dialog> void whenShown(std::function<void(Dialog*)> answer) {
    QTimer::singleShot(5, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            whenShown<Dialog>(answer);
            return;
        }
        answer(dialog);
    });
}

// A test that went wrong must still end the dialog's event loop.
void closeIfOpen(QDialog* dialog) {
    if (dialog->isVisible()) {
        dialog->done(QDialog::Rejected);
    }
}

} // namespace

TEST(UploadProjectDialog, ArrowsMoveTheSelectedLinesAndUploadFlagsExactlyTheChosenFiles) {
    UploadSite site("127.0.0.1:1");
    site.project.AutoUpdate = false;
    for (const char* name : {"index.html", "b/two.html", "a.css", "z.gif"}) {
        site.add(name, "x", true);
    }
    CUploadProjectDlg dialog(site.project);
    dialog.show();
    EXPECT_EQ(listed(dialog.projectList()),
              (QStringList{"a.css", "b/two.html", "index.html", "z.gif"}));
    EXPECT_TRUE(listed(dialog.uploadList()).isEmpty());
    EXPECT_TRUE(dialog.uploadButton()->isDefault());

    clickLine(dialog.projectList(), "z.gif", Qt::NoModifier);
    clickLine(dialog.projectList(), "a.css", Qt::ControlModifier);
    click(dialog.toUploadButton());
    EXPECT_EQ(listed(dialog.projectList()), (QStringList{"b/two.html", "index.html"}));
    EXPECT_EQ(listed(dialog.uploadList()), (QStringList{"a.css", "z.gif"}));

    click(dialog.selectAllProjectButton());
    click(dialog.toUploadButton());
    EXPECT_EQ(listed(dialog.uploadList()),
              (QStringList{"a.css", "b/two.html", "index.html", "z.gif"}));
    clickLine(dialog.uploadList(), "index.html", Qt::NoModifier);
    click(dialog.backButton());
    EXPECT_EQ(listed(dialog.projectList()), (QStringList{"index.html"}));

    click(dialog.uploadButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(flagged(site.project), (std::vector<std::string>{"b/two.html", "a.css", "z.gif"}));
}

TEST(UploadProjectDialog, CancelLeavesTheFlagsAsTheyWere) {
    UploadSite site("127.0.0.1:1");
    site.add("a.html", "a", true);
    site.add("b.html", "b", false);
    CUploadProjectDlg dialog(site.project);
    dialog.show();
    click(dialog.selectAllUploadButton());
    click(dialog.backButton());
    click(dialog.cancelButton());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(flagged(site.project), (std::vector<std::string>{"a.html"}));
}

TEST(UploadingProjectDialog, AnUploadPreSortsTheNextOneUntilAFileChangesAgain) {
    FtpTestServer server;
    ASSERT_TRUE(server.started()) << server.errors();
    UploadSite site(server.address());
    site.add("index.html", "<P>home</P>");
    site.add("pics/a b.gif", std::string("GIF89a\0\1", 8), false);
    site.add("notes.txt", "n");

    {
        CUploadProjectDlg before(site.project);
        EXPECT_EQ(listed(before.uploadList()),
                  (QStringList{"index.html", "notes.txt", "pics/a b.gif"}));
        before.show();
        clickLine(before.uploadList(), "notes.txt", Qt::NoModifier);
        click(before.backButton());
        click(before.uploadButton());
    }
    CUploadingProjectDlg uploading(MakeUploadJob(site.project), quickConnection());
    uploading.show();
    ASSERT_TRUE(waitUntil([&] { return uploading.finished(); }));
    EXPECT_EQ(uploading.statusLabel()->text(), "Disconnected");
    EXPECT_EQ(uploading.fileCountLabel()->text(), "File 2 of 2");
    EXPECT_EQ(uploading.nowUploadingLabel()->text(), "Uploading pics/a b.gif (8 bytes)");
    EXPECT_EQ(uploading.progressBar()->value(), 100);
    EXPECT_EQ(uploading.cancelButton()->text(), "Close");
    EXPECT_EQ(server.remote("www/pics/a b.gif"), std::string("GIF89a\0\1", 8));
    click(uploading.cancelButton());
    EXPECT_FALSE(uploading.isVisible());

    CUploadProjectDlg after(site.project);
    EXPECT_EQ(listed(after.uploadList()), QStringList{"notes.txt"});
    EXPECT_EQ(listed(after.projectList()), (QStringList{"index.html", "pics/a b.gif"}));

    const auto page = site.dir.path("site/index.html");
    std::filesystem::last_write_time(page, std::filesystem::last_write_time(page) +
                                               std::chrono::seconds(3));
    CUploadProjectDlg changed(site.project);
    EXPECT_EQ(listed(changed.uploadList()), (QStringList{"index.html", "notes.txt"}));
}

TEST(UploadingProjectDialog, CancelStopsAnUploadTheServerNeverAnswers) {
    FtpTestServer server(FtpTestServer::StallStor);
    ASSERT_TRUE(server.started()) << server.errors();
    UploadSite site(server.address());
    site.add("a.html", "a", true);
    site.add("b.html", "b", true);

    CUploadingProjectDlg uploading(MakeUploadJob(site.project), quickConnection());
    uploading.show();
    ASSERT_TRUE(waitUntil([&] { return uploading.fileCountLabel()->text() == "File 1 of 2"; }));
    click(uploading.cancelButton());
    EXPECT_FALSE(uploading.cancelButton()->isEnabled());
    EXPECT_TRUE(uploading.isVisible());
    // Far sooner than the 60 seconds a stalled transfer is given.
    ASSERT_TRUE(waitUntil([&] { return uploading.finished(); }, 8000));
    EXPECT_EQ(uploading.statusLabel()->text(), "Cancelled");
    EXPECT_EQ(uploading.fileCountLabel()->text(), "File 1 of 2");
    EXPECT_TRUE(uploading.cancelButton()->isEnabled());
    EXPECT_TRUE(UploadState::Load(UploadState::PathFor(site.project.Path))
                    .isFileUpdated("a.html", site.dir.path("site/a.html")));
}

class UploadCommandsTest : public AppFixture {};

TEST_F(UploadCommandsTest, CtrlAltUAndReturnPublishTheChangedFiles) {
    FtpTestServer server;
    ASSERT_TRUE(server.started()) << server.errors();
    files_.write("site/index.html", "<P>home</P>");
    files_.write("site/pics/logo.gif", "GIF");
    files_.write("site/site.prj", "NAME: Site\nFTPSERVER: " + server.address() +
                                      "\nSERVERPATH: public\nLOGIN: web\nPASSWORD: web\n"
                                      "AUTOUPDATE: YES\n{\nindex.html\npics\\logo.gif\n}\n");
    ASSERT_TRUE(window()->projects().openProject(files_.path("site/site.prj")));
    EXPECT_TRUE(refreshed(Cmd::Upload)->isEnabled());

    QString finalStatus;
    whenShown<CUploadProjectDlg>([](CUploadProjectDlg* dialog) {
        EXPECT_EQ(listed(dialog->uploadList()), (QStringList{"index.html", "pics/logo.gif"}));
        QTest::keyClick(dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible()) << "Return did not press Upload";
        closeIfOpen(dialog);
    });
    whenShown<CUploadingProjectDlg>([&finalStatus](CUploadingProjectDlg* dialog) {
        EXPECT_TRUE(waitUntil([dialog] { return dialog->finished(); }));
        finalStatus = dialog->statusLabel()->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
        closeIfOpen(dialog);
    });
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window(), Qt::Key_U,
                    Qt::ControlModifier | Qt::AltModifier);

    EXPECT_EQ(finalStatus, "Disconnected");
    EXPECT_EQ(server.remote("public/index.html"), "<P>home</P>");
    EXPECT_EQ(server.remote("public/pics/logo.gif"), "GIF");
}

TEST_F(UploadCommandsTest, UploadFileInTheProjectBarSendsTheClickedFileAlone) {
    FtpTestServer server;
    ASSERT_TRUE(server.started()) << server.errors();
    files_.write("site/a.html", "a");
    files_.write("site/b.html", "b");
    files_.write("site/site.prj", "NAME: Site\nFTPSERVER: " + server.address() +
                                      "\nLOGIN: web\nPASSWORD: web\n{\na.html\nb.html\n}\n");
    ASSERT_TRUE(window()->projects().openProject(files_.path("site/site.prj")));
    CTreeViewFile* tree = window()->fileTree();

    tree->contextMenuFor(tree->filesItem());
    EXPECT_FALSE(tree->menuAction(CTreeViewFile::UploadFile)->isEnabled());
    tree->contextMenuFor(tree->filesItem()->child(1));
    ASSERT_TRUE(tree->menuAction(CTreeViewFile::UploadFile)->isEnabled());
    whenShown<CUploadingProjectDlg>([](CUploadingProjectDlg* dialog) {
        EXPECT_TRUE(waitUntil([dialog] { return dialog->finished(); }));
        dialog->cancelButton()->click();
        closeIfOpen(dialog);
    });
    tree->menuAction(CTreeViewFile::UploadFile)->trigger();

    EXPECT_EQ(flagged(*window()->projects().project()), std::vector<std::string>{"b.html"});
    EXPECT_EQ(server.remote("b.html"), "b");
    EXPECT_FALSE(std::filesystem::exists(server.root() / "a.html"));
}
