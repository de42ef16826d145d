#include "app/qt/StatusPanes.h"

#include "AppFixture.h"

#include <QMenu>
#include <QMenuBar>

namespace {

class StatusPanesTest : public AppFixture {
protected:
    std::filesystem::path write(const std::string& name, const std::string& content) {
        return files_.write(name, content);
    }
    QString position() { return window()->statusPanes().positionText(); }
    QString modifiedPane() { return window()->statusPanes().modifiedText(); }

    // The Window menu's entries, as it shows them when opened.
    QStringList windowMenuEntries() {
        QStringList entries;
        for (QAction* item : window()->menuBar()->actions()) {
            if (item->text() == QStringLiteral("&Window")) {
                emit item->menu()->aboutToShow();
                for (QAction* entry : item->menu()->actions()) {
                    if (entry->property("windowEntry").toBool()) {
                        entries << entry->text();
                    }
                }
            }
        }
        return entries;
    }
};

TEST_F(StatusPanesTest, PositionFollowsKeysOverTabsAndUtf8) {
    CChildWin* document = open(write("a.html", "<p>\n\t\xC3\xA9t\xC3\xA9</p>\n"));
    EXPECT_EQ(position(), "Ln 1, Col 1");
    key(document, Qt::Key_Down);
    key(document, Qt::Key_End);
    EXPECT_EQ(position(), "Ln 2, Col 12"); // a tab, "été" and "</p>"
    key(document, Qt::Key_Home);
    key(document, Qt::Key_Right);
    key(document, Qt::Key_Right, Qt::ShiftModifier);
    key(document, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(position(), "Ln 2, Col 7, 2 selected");
}

TEST_F(StatusPanesTest, ModifiedShowsUntilSavedAndFollowsTheActiveDocument) {
    CChildWin* first = open(write("a.html", "one"));
    CChildWin* second = open(write("b.html", "two\nlines"));
    type(second, "x");
    EXPECT_EQ(modifiedPane(), "Modified");
    activate(first);
    EXPECT_EQ(modifiedPane(), "");
    EXPECT_EQ(position(), "Ln 1, Col 1");
    activate(second);
    EXPECT_EQ(modifiedPane(), "Modified");
    ASSERT_TRUE(second->SaveDocument(false));
    settle();
    EXPECT_EQ(modifiedPane(), "");
}

TEST_F(StatusPanesTest, PanesAreBlankWithoutADocument) {
    CChildWin* document = open(write("a.html", "text"));
    type(document, "x");
    services_->answers.push_back(IPlatformServices::Answer::No);
    document->parentWidget()->close();
    settle();
    EXPECT_EQ(position(), "");
    EXPECT_EQ(modifiedPane(), "");
}

TEST_F(StatusPanesTest, WindowMenuMarksModifiedDocumentsButTheCaptionStays) {
    const std::filesystem::path a = write("a.html", "one");
    const std::filesystem::path b = write("b.html", "two");
    open(a);
    CChildWin* second = open(b);
    type(second, "x");
    const QStringList entries = windowMenuEntries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], QStringLiteral("&1 ") + QString::fromStdString(a.string()));
    EXPECT_EQ(entries[1], QStringLiteral("&2 ") + QString::fromStdString(b.string()) + " *");
    EXPECT_EQ(second->windowTitle(), QString::fromStdString(b.string()));
}

} // namespace
