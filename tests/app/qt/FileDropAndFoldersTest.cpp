// Where the file dialogs start, files dropped on the window, and long paths
// in the title and the recent files menu.
#include "AppFixture.h"
#include "app/CommandIds.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

class FileDropAndFolders : public AppFixture {
protected:
    static QString folderOf(const std::filesystem::path& file) {
        return QString::fromStdString(file.parent_path().string());
    }

    // Sends the events of a drag from a file manager that ends over the
    // main window; true when the window accepted the drag.
    bool drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = window()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window(), &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window(), &dropped);
        settle();
        return dropped.isAccepted();
    }
};

TEST_F(FileDropAndFolders, OpenAndSaveAsStartInTheActiveDocumentsFolder) {
    const auto first = files_.write("one/a.html", "a");
    const auto second = files_.write("two/b.html", "b");
    open(first);
    open(second);
    action(Cmd::FileOpen)->trigger();
    ASSERT_EQ(services_->dialogFolders.size(), 1);
    EXPECT_EQ(services_->dialogFolders.back(), folderOf(second));
    activate(documents().findDocument(first.string()));
    action(Cmd::FileSaveAs)->trigger();
    ASSERT_EQ(services_->dialogFolders.size(), 2);
    EXPECT_EQ(services_->dialogFolders.back(), folderOf(first));
}

TEST_F(FileDropAndFolders, AnUntitledDocumentLeavesTheDialogWhereItWasLast) {
    newUntitled();
    action(Cmd::FileOpen)->trigger();
    action(Cmd::FileSaveAs)->trigger();
    for (const QString& folder : services_->dialogFolders) {
        EXPECT_TRUE(folder.isEmpty()) << folder.toStdString();
    }
}

TEST_F(FileDropAndFolders, DroppedFilesOpenAsOpenFileOpensThem) {
    const auto page = files_.write("page.html", "<p>dropped</p>");
    const auto picture = files_.write("picture.png", "png");
    EXPECT_TRUE(drop({QUrl::fromLocalFile(QString::fromStdString(page.string())),
                      QUrl::fromLocalFile(QString::fromStdString(picture.string()))}));
    ASSERT_EQ(windowCount(), 1);
    CChildWin* document = window()->activeDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->path(), page.string());
    EXPECT_EQ(text(document), "<p>dropped</p>");
    // Not an editor file: the desktop gets it, as File > Open would do.
    EXPECT_EQ(services_->shellOpened, QStringList{QString::fromStdString(picture.string())});
    // Dropped again: the open window is activated, not opened twice.
    EXPECT_TRUE(drop({QUrl::fromLocalFile(QString::fromStdString(page.string()))}));
    EXPECT_EQ(windowCount(), 1);
}

TEST_F(FileDropAndFolders, DragsWithoutLocalFilesAreRefused) {
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/index.html"))}));
    EXPECT_FALSE(drop({QUrl::fromLocalFile(QString::fromStdString(files_.dir()))}));
    EXPECT_FALSE(drop({}));
    EXPECT_EQ(windowCount(), 0);
}

TEST_F(FileDropAndFolders, LongPathsAreShortenedInTheMiddleOfTitleAndRecentMenu) {
    const std::string deep = "a-rather-long-folder-name/another-long-folder-name/"
                             "and-one-more-folder/last-folder/";
    const auto file = files_.write(deep + "page.html", "x");
    CChildWin* document = open(file);
    ASSERT_NE(document, nullptr);
    const QString path = QString::fromStdString(file.string());
    EXPECT_EQ(document->windowTitle(), path) << "the caption stays the whole path";
    const QString title = window()->windowTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("Quillmark - Tagwright - [/")))
        << title.toStdString();
    EXPECT_TRUE(title.endsWith(QStringLiteral("/last-folder/page.html]"))) << title.toStdString();
    EXPECT_TRUE(title.contains(QStringLiteral("/.../")));
    EXPECT_LE(title.size(), QStringLiteral("Quillmark - Tagwright - []").size() + 64)
        << title.toStdString();
    const QString recent = refreshed(Cmd::RecentFile0)->text();
    EXPECT_TRUE(recent.endsWith(QStringLiteral("/last-folder/page.html"))) << recent.toStdString();
    EXPECT_TRUE(recent.contains(QStringLiteral("/.../")));
}

} // namespace
