#include "app/qt/LinkValidation.h"

#include "AppFixture.h"
#include "app/CommandIds.h"
#include "app/LinkList.h"
#include "app/LinkMarks.h"
#include "app/qt/ProjectCommands.h"
#include "project/qt/CEditLinkDlg.h"
#include "project/qt/CLinkValidator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// A site of four pages: c.html is linked from the root, from a sub-folder
// and from a page that is not open; gone.html does not exist.
class LinkValidationTest : public AppFixture {
protected:
    void SetUp() override {
        files_.write("site/a.html", "<p><a href=\"c.html#top\">C</a> <a href=gone.html>x</a>\n"
                                    "<img src=\"pics/logo.gif\">\n");
        files_.write("site/sub/b.html",
                     "<a href=\"../c.html\">C</a><a href=\"http://x.example/\">");
        files_.write("site/c.html", "<h1 id=top>C</h1><a href=\"sub/b.html\">");
        files_.write("site/d.html", "<a href=c.html>C</a> and <a href=\"c.html\">again</a>");
        files_.write("site/pics/logo.gif", "GIF89a");
        files_.write("site/site.prj", "NAME: Site\r\n{\r\na.html\r\nsub\\b.html\r\nc.html\r\n"
                                      "d.html\r\npics\\logo.gif\r\n}\r\n");
    }

    fs::path site(const std::string& name) const { return files_.path() / "site" / name; }

    // Opens the project and a.html, then runs Link Validation with its keys.
    CLinkValidator* validateProject() {
        EXPECT_TRUE(window()->projects().openProject(site("site.prj").string()));
        CChildWin* page = open(site("a.html"));
        key(page, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
        return scanned();
    }
    CLinkValidator* scanned() {
        CLinkValidator* dialog = window()->linkValidation().dialog();
        if (dialog == nullptr || !waitUntil([dialog] { return dialog->links() != nullptr; })) {
            return nullptr;
        }
        settle();
        return dialog;
    }

    static Lines rows(const QListView* view) {
        Lines lines;
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            lines.push_back(view->model()->index(row, 0).data().toString().toStdString());
        }
        return lines;
    }
    static int rowOf(const QListView* view, const std::string& text) {
        const Lines all = rows(view);
        const auto found = std::find(all.begin(), all.end(), text);
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
    }
    // Clicks the row of view that shows text.
    void click(QListView* view, const std::string& text) {
        const QModelIndex index = view->model()->index(rowOf(view, text), 0);
        ASSERT_TRUE(index.isValid()) << text;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        settle();
    }
    // Answers the Edit Link dialog that the Edit Link button opens.
    void editLink(CLinkValidator* dialog, const QString& newPath) {
        QTimer::singleShot(0, [newPath] {
            auto* edit = qobject_cast<CEditLinkDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(edit, nullptr);
            edit->pathEdit()->selectAll();
            QTest::keyClicks(edit->pathEdit(), newPath);
            QTest::mouseClick(edit->changeButton(), Qt::LeftButton);
        });
        QTest::mouseClick(dialog->editButton(), Qt::LeftButton);
        settle();
    }
    // The spans of the link validation marks of a document, as their text.
    static Lines markedTexts(const CChildWin* document) {
        Lines marked;
        const TextModel& model = document->editor().model();
        for (const CMarkRecord& mark : model.marks()) {
            if (mark.kind == CMarkRecord::KindLinkValidator) {
                EXPECT_EQ(mark.reason, LinkMarks::kReason);
                EXPECT_EQ(mark.colour, 6);
                marked.push_back(model.GetRangeText(mark.start, mark.end));
            }
        }
        return marked;
    }
};

TEST_F(LinkValidationTest, ProjectScanListsEveryTargetAndShowsTheMissingOneInRed) {
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(rows(dialog->linksView()),
              (Lines{"c.html", "gone.html", "pics/logo.gif", "http://x.example/", "sub/b.html"}));
    const QModelIndex gone = dialog->linksView()->model()->index(1, 0);
    EXPECT_EQ(gone.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(gone.data(Qt::ToolTipRole).toString(), "File not found");
    EXPECT_FALSE(dialog->linksView()->model()->index(0, 0).data(Qt::ToolTipRole).isValid());
    EXPECT_TRUE(dialog->progressBar()->isHidden());

    QTest::mouseClick(dialog->onlyMissingBox(), Qt::LeftButton);
    EXPECT_EQ(rows(dialog->linksView()), (Lines{"gone.html"}));
    QTest::mouseClick(dialog->onlyMissingBox(), Qt::LeftButton);
    EXPECT_EQ(rows(dialog->linksView()).size(), 5u);
}

TEST_F(LinkValidationTest, SelectingALinkListsItsReferencesWithTheirBookmarks) {
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    click(dialog->linksView(), "c.html");
    EXPECT_EQ(rows(dialog->referencesView()),
              (Lines{"a.html (#top)", "sub/b.html", "d.html", "d.html"}));
    click(dialog->linksView(), "sub/b.html");
    EXPECT_EQ(rows(dialog->referencesView()), (Lines{"c.html"}));
}

TEST_F(LinkValidationTest, ReturnOnAReferenceOpensItsFileWithTheValueSelected) {
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    click(dialog->linksView(), "c.html");
    click(dialog->referencesView(), "sub/b.html");
    QTest::keyClick(dialog->referencesView(), Qt::Key_Return);
    settle();
    CChildWin* b = documents().findDocument(site("sub/b.html").string());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->editor().model().GetSelectedText(), "\"../c.html\"");
}

TEST_F(LinkValidationTest, ReturnOnALinkOpensItsTargetOrHandsAnAddressToTheDesktop) {
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    click(dialog->linksView(), "http://x.example/");
    QTest::keyClick(dialog->linksView(), Qt::Key_Return);
    EXPECT_EQ(services_->addressesOpened, QStringList{"http://x.example/"});
    click(dialog->linksView(), "sub/b.html");
    QTest::keyClick(dialog->linksView(), Qt::Key_Return);
    settle();
    EXPECT_NE(documents().findDocument(site("sub/b.html").string()), nullptr);
}

TEST_F(LinkValidationTest, ProjectWithoutHtmlFilesOpensTheDialogWithEmptyLists) {
    files_.write("site/site.prj", "NAME: Site\r\n{\r\npics\\logo.gif\r\n}\r\n");
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->linksView()->model()->rowCount(), 0);
    QTest::mouseClick(dialog->editButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(LinkValidationTest, EditLinkRewritesEachReferenceFromItsOwnFolderAndMovesTheMarks) {
    CChildWin* b = open(site("sub/b.html"));
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    CChildWin* a = documents().findDocument(site("a.html").string());
    EXPECT_EQ(markedTexts(a), (Lines{"\"c.html#top\"", "gone.html", "\"pics/logo.gif\""}));
    // An edit before the marks moves them and the references with them.
    activate(a);
    type(a, "Hi ");
    click(dialog->linksView(), "c.html");
    editLink(dialog, "pages/new.html");

    EXPECT_EQ(text(a), "Hi <p><a href=\"pages/new.html\">C</a> <a href=gone.html>x</a>\n"
                       "<img src=\"pics/logo.gif\">\n");
    EXPECT_EQ(text(b), "<a href=\"../pages/new.html\">C</a><a href=\"http://x.example/\">");
    CChildWin* d = documents().findDocument(site("d.html").string());
    ASSERT_NE(d, nullptr) << "the page that was not open is opened to be changed";
    EXPECT_EQ(text(d), "<a href=\"pages/new.html\">C</a> and <a href=\"pages/new.html\">again</a>");
    EXPECT_EQ(markedTexts(a), (Lines{"\"pages/new.html\"", "gone.html", "\"pics/logo.gif\""}));
    EXPECT_EQ(markedTexts(d), (Lines{"\"pages/new.html\"", "\"pages/new.html\""}));
    EXPECT_EQ(rows(dialog->linksView())[0], "c.html");
    EXPECT_TRUE(services_->messages.isEmpty()) << services_->messages.join('|').toStdString();

    // The references follow their rewritten values: a second edit finds them.
    editLink(dialog, "http://example.com/c");
    EXPECT_EQ(text(b), "<a href=\"http://example.com/c\">C</a><a href=\"http://x.example/\">");
}

// The marks of an earlier validation stay in the documents; an Edit Link in
// a later one fits them to the new value too.
TEST_F(LinkValidationTest, MarksOfAnEarlierValidationFollowALaterEditLink) {
    ASSERT_NE(validateProject(), nullptr);
    window()->linkValidation().dialog()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(window()->linkValidation().isOpen());
    CChildWin* a = open(site("a.html"));
    window()->linkValidation().validateProject();
    CLinkValidator* second = scanned();
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(markedTexts(a).size(), 6u) << "each validation marked the three links";
    click(second->linksView(), "c.html");
    editLink(second, "x.html");
    EXPECT_EQ(markedTexts(a), (Lines{"\"x.html\"", "gone.html", "\"pics/logo.gif\"", "\"x.html\"",
                                     "gone.html", "\"pics/logo.gif\""}));
}

TEST_F(LinkValidationTest, EditLinkLeavesAPlaceThatChangedAndSaysSo) {
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    files_.write("site/d.html", "<p>rewritten meanwhile</p><a href=\"c.html\">");
    click(dialog->linksView(), "c.html");
    editLink(dialog, "e.html");
    EXPECT_EQ(text(documents().findDocument(site("sub/b.html").string())),
              "<a href=\"../e.html\">C</a><a href=\"http://x.example/\">");
    ASSERT_EQ(services_->messages, QStringList{"Some references were left unchanged."});
    EXPECT_EQ(services_->details[0].toStdString(),
              "d.html: the link there has changed since the scan\n"
              "d.html: the link there has changed since the scan");
    EXPECT_EQ(text(documents().findDocument(site("d.html").string())),
              "<p>rewritten meanwhile</p><a href=\"c.html\">");
}

TEST_F(LinkValidationTest, EditLinkRefusesAFileThatWouldPassTheSizeLimitAndChangesTheOthers) {
    std::string big = "<a href=\"c.html\">";
    big += std::string(TextModel::Capacity - big.size() - 2, 'x');
    files_.write("site/d.html", big);
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    click(dialog->linksView(), "c.html");
    editLink(dialog, "a-much-longer-name.html");
    ASSERT_EQ(services_->messages, QStringList{"Some references were left unchanged."});
    EXPECT_EQ(services_->details[0].toStdString(),
              "d.html: the document would pass its size limit");
    EXPECT_EQ(text(documents().findDocument(site("d.html").string())), big);
    EXPECT_EQ(text(documents().findDocument(site("a.html").string())).substr(0, 40),
              "<p><a href=\"a-much-longer-name.html\">C</");
}

TEST_F(LinkValidationTest, DocumentOpenedAfterTheScanIsMarkedOnce) {
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    CChildWin* d = open(site("d.html"));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(markedTexts(d), (Lines{"c.html", "\"c.html\""}));
    dialog->MarkAllLinks(d->editor(), d->path());
    open(site("d.html"));
    EXPECT_EQ(markedTexts(d).size(), 2u);
    // Marks stay, their references alive, after the dialog is gone.
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window()->linkValidation().dialog(), nullptr);
    activate(d);
    type(d, "x");
    EXPECT_EQ(markedTexts(d), (Lines{"c.html", "\"c.html\""}));
}

TEST_F(LinkValidationTest, ValidateLinksScansTheActiveDocumentAgainstItsFolder) {
    CChildWin* b = open(site("sub/b.html"));
    key(b, Qt::Key_V, Qt::AltModifier);
    CLinkValidator* dialog = scanned();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->base(), site("sub/").string());
    EXPECT_EQ(rows(dialog->linksView()), (Lines{"../c.html", "http://x.example/"}));
    click(dialog->linksView(), "../c.html");
    EXPECT_EQ(rows(dialog->referencesView()), (Lines{"b.html"}));
    // A second request while it is open starts nothing new.
    key(b, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(window()->linkValidation().dialog(), dialog);
}

TEST_F(LinkValidationTest, UnreadablePageStopsTheScanAndKeepsWhatWasFound) {
    files_.write("site/site.prj", "NAME: Site\r\n{\r\na.html\r\nmissing.html\r\nc.html\r\n}\r\n");
    CLinkValidator* dialog = validateProject();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(rows(dialog->linksView()), (Lines{"c.html", "gone.html", "pics/logo.gif"}));
    ASSERT_EQ(services_->messages, QStringList{"I/O Error"});
    EXPECT_TRUE(services_->details[0].startsWith(QString::fromStdString(site("missing.html"))));
    EXPECT_FALSE(dialog->progressBar()->isHidden());
}

TEST_F(LinkValidationTest, ClosingTheDialogWhileItScansIsSafe) {
    const std::string page = "<a href=\"c.html\">" + std::string(20000, 'x') + "\n";
    std::string project = "NAME: Big\r\n{\r\n";
    for (int i = 0; i < 400; ++i) {
        std::string name = std::to_string(i);
        name.append(".html");
        files_.write("big/" + name, page);
        project += name + "\r\n";
    }
    files_.write("big/big.prj", project + "}\r\n");
    ASSERT_TRUE(window()->projects().openProject((files_.path() / "big/big.prj").string()));
    window()->linkValidation().validateProject();
    CLinkValidator* dialog = window()->linkValidation().dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isScanning());
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window()->linkValidation().dialog(), nullptr);
    settle();
    window()->linkValidation().validateProject();
    EXPECT_NE(scanned(), nullptr) << "a new validation starts once the old one is closed";
}

} // namespace
