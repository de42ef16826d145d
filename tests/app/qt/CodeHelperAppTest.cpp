#include "AppFixture.h"
#include "html/qt/ListWindow.h"
#include "project/CProject.h"

#include <QStatusBar>

namespace fs = std::filesystem;

namespace {

// The CodeHelper of a real document window with the installed tag data.
class CodeHelperAppTest : public AppFixture {
protected:
    static ListWindow* listOf(CChildWin* document) {
        return document->editor().viewport()->findChild<ListWindow*>();
    }
    static std::vector<std::string> entriesOf(CChildWin* document) {
        std::vector<std::string> texts;
        for (const CListEntry& entry : listOf(document)->entries().entries()) {
            texts.push_back(entry.text);
        }
        return texts;
    }
    QString statusText() { return window()->statusBar()->currentMessage(); }
};

} // namespace

TEST_F(CodeHelperAppTest, TypingATagOffersTheVocabularyAndReturnCompletesIt) {
    CChildWin* document = newUntitled();
    type(document, "<ta");
    ListWindow* list = listOf(document);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->GetSelectedEntryText(), "TABLE");
    EXPECT_EQ(statusText().toStdString(), app_.tagData().FindTag("TABLE")->info)
        << "the entry's description";
    key(document, Qt::Key_Return);
    EXPECT_EQ(text(document), "<TABLE");

    type(document, " align=");
    ASSERT_TRUE(list->isVisible());
    const std::vector<std::string> values = app_.tagData().GetValueNames("TABLE", "ALIGN");
    ASSERT_FALSE(values.empty());
    std::vector<std::string> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(entriesOf(document), sorted);
}

TEST_F(CodeHelperAppTest, ArgumentsLeaveOutTheWildcardDefinitions) {
    CChildWin* document = newUntitled();
    type(document, "<div d");
    const std::vector<std::string> entries = entriesOf(document);
    ASSERT_FALSE(entries.empty());
    for (const std::string& entry : entries) {
        EXPECT_NE(entry.back(), '*') << entry;
    }
}

TEST_F(CodeHelperAppTest, LinkValuesAreTheOpenProjectsFilesRelativeToTheDocument) {
    const fs::path page = files_.write("site/pages/page.html", "");
    CChildWin* document = open(page);
    ASSERT_NE(document, nullptr);
    type(document, "<a href=\"");
    EXPECT_FALSE(listOf(document)->isVisible()) << "no project open";

    auto project = std::make_unique<CProject>();
    project->Path = files_.path("site/site.prj");
    for (const char* file : {"index.html", "pages/page.html", "img/logo.png"}) {
        CProjectEntry entry;
        entry.RelPath = file;
        project->Files.push_back(entry);
    }
    app_.state().CurrentProject = std::move(project);
    type(document, "i");
    ASSERT_TRUE(listOf(document)->isVisible());
    EXPECT_EQ(entriesOf(document),
              (std::vector<std::string>{"../img/logo.png", "../index.html", "page.html"}));
}
