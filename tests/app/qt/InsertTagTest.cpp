#include "AppFixture.h"
#include "app/CommandIds.h"
#include "html/qt/CArgControl.h"
#include "html/qt/CHtmlLanguageDlg.h"
#include "html/qt/CInsertTagDlg.h"
#include "html/qt/TagTreeClicks.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>

namespace fs = std::filesystem;

namespace {

// Insert Tag and HTML Language in the running program with the installed
// vocabulary.
class InsertTagTest : public AppFixture {
protected:
    CChildWin* documentWith(const std::string& content, int start, int end) {
        CChildWin* document = newUntitled();
        document->editor().model().ReplaceRange(0, 0, content);
        document->editor().SetSelection(start, end, true);
        settle();
        return document;
    }
    QList<CInsertTagDlg*> dialogs() { return window()->findChildren<CInsertTagDlg*>(); }
    // Ctrl+T in the document's editor; the dialog it opened.
    CInsertTagDlg* openDialog(CChildWin* document) {
        const qsizetype before = dialogs().size();
        key(document, Qt::Key_T, Qt::ControlModifier);
        const QList<CInsertTagDlg*> now = dialogs();
        return now.size() == before + 1 ? now.back() : nullptr;
    }
    void choose(CInsertTagDlg* dialog, const char* tag) {
        ASSERT_NE(clickTreeItem(dialog->tree(), tag), nullptr) << tag;
        ASSERT_EQ(dialog->selectedTag()->name, tag);
    }
    void fill(CInsertTagDlg* dialog, const char* argument, const QString& text) {
        QLineEdit* field = dialog->control(argument)->lineEdit();
        dialog->scrollArea()->ensureWidgetVisible(field);
        QTest::keyClicks(field, text);
    }
    void click(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }
    // File > Close on every document, dropping what was typed.
    void closeAll() {
        app_.settings().SaveClose = CEditorSettings::SaveCloseNo;
        while (window()->activeDocument() != nullptr) {
            ASSERT_TRUE(commands().execute(Cmd::FileClose));
            settle();
        }
    }
    void markRanges(CChildWin* document, std::initializer_list<std::pair<int, int>> ranges) {
        for (auto [start, end] : ranges) {
            document->editor().SetSelection(start, end, true);
            key(document, Qt::Key_M, Qt::ControlModifier);
        }
    }
};

enum class Button { Insert, CloseTag, Around };

struct ButtonCase {
    const char* name;
    Button button;
    bool useMarks;
    const char* expected;
    int selectionStart;
    int caret;
};

class InsertTagButtons : public InsertTagTest, public ::testing::WithParamInterface<ButtonCase> {};

} // namespace

TEST_P(InsertTagButtons, EachButtonWithAndWithoutMarks) {
    const ButtonCase& row = GetParam();
    app_.state().UseMarks = row.useMarks ? 1 : 0;
    CChildWin* document = documentWith("one two three", 4, 7);
    if (row.useMarks) {
        markRanges(document, {{0, 3}, {8, 13}});
        document->editor().SetSelection(4, 7, true);
    }
    CInsertTagDlg* dialog = openDialog(document);
    ASSERT_NE(dialog, nullptr);
    choose(dialog, "A");
    fill(dialog, "HREF", "x.html");
    QPushButton* buttons[] = {dialog->insertButton(), dialog->closeTagButton(),
                              dialog->aroundButton()};
    click(buttons[static_cast<int>(row.button)]);
    EXPECT_EQ(text(document), row.expected);
    EXPECT_EQ(document->editor().model().GetSelection().start, row.selectionStart);
    EXPECT_EQ(document->editor().model().GetSelection().caret, row.caret);
    EXPECT_TRUE(modified(document));
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open for the next tag";
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, InsertTagButtons,
    ::testing::Values(
        ButtonCase{"Insert", Button::Insert, false, "one <A HREF=x.html> three", 19, 19},
        ButtonCase{"CloseTag", Button::CloseTag, false, "one </A> three", 8, 8},
        ButtonCase{"Around", Button::Around, false, "one <A HREF=x.html>two</A> three", 19, 22},
        ButtonCase{"InsertWithMarks", Button::Insert, true,
                   "<A HREF=x.html>one two <A HREF=x.html>three", 19, 22},
        ButtonCase{"CloseTagWithMarks", Button::CloseTag, true, "one</A> two three</A>", 8, 11},
        ButtonCase{"AroundWithMarks", Button::Around, true,
                   "<A HREF=x.html>one</A> two <A HREF=x.html>three</A>", 23, 26}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InsertTagTest, EachCtrlTOpensAnotherDialogOnlyWhileADocumentIsActive) {
    CChildWin* document = documentWith("", 0, 0);
    CInsertTagDlg* first = openDialog(document);
    ASSERT_NE(first, nullptr);
    // The toolbar's button opens one more.
    QWidget* button = window()->toolBar(Cmd::ToolsToolbar)->widgetForAction(action(Cmd::InsertTag));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
    ASSERT_EQ(dialogs().size(), 2);
    CInsertTagDlg* second = dialogs().back();
    EXPECT_NE(first, second);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Insert Tag"));
    EXPECT_FALSE(first->isModal());
    EXPECT_TRUE(refreshed(Cmd::InsertTag)->isEnabled());

    // Each keeps its own tag.
    choose(first, "B");
    choose(second, "I");
    EXPECT_EQ(first->tagText(), "<B>");
    EXPECT_EQ(second->tagText(), "<I>");

    // Done and Escape both close a dialog for good.
    click(first->doneButton());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialogs().size(), 1);
    QTest::keyClick(second, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialogs().size(), 0);

    closeAll();
    EXPECT_FALSE(refreshed(Cmd::InsertTag)->isEnabled());
}

TEST_F(InsertTagTest, TheTagGoesIntoTheDocumentActiveAtTheClick) {
    CChildWin* first = documentWith("first", 5, 5);
    CInsertTagDlg* dialog = openDialog(first);
    ASSERT_NE(dialog, nullptr);
    choose(dialog, "HR");
    CChildWin* second = documentWith("second", 0, 0);
    click(dialog->insertButton());
    EXPECT_EQ(text(first), "first");
    EXPECT_EQ(text(second), "<HR>second");

    activate(first);
    click(dialog->insertButton());
    EXPECT_EQ(text(first), "first<HR>");

    // With every document closed the buttons do nothing, and nothing breaks.
    closeAll();
    EXPECT_EQ(windowCount(), 0);
    click(dialog->insertButton());
    click(dialog->closeTagButton());
    click(dialog->aroundButton());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(services_->messages.isEmpty());
}

TEST_F(InsertTagTest, AnInsertionPastTheSizeLimitIsRefusedWhole) {
    const std::string full(TextModel::Capacity - 3, 'x');
    CChildWin* document = documentWith(full, 0, 0);
    CInsertTagDlg* dialog = openDialog(document);
    ASSERT_NE(dialog, nullptr);
    choose(dialog, "ABBR");
    click(dialog->insertButton());
    EXPECT_EQ(document->editor().model().length(), static_cast<int>(full.size()));
    ASSERT_EQ(services_->messages.size(), 1);
    EXPECT_TRUE(services_->messages[0].contains(QStringLiteral("size limit")));
}

TEST_F(InsertTagTest, TheFileButtonLinksFromTheActiveDocumentsFolder) {
    CChildWin* page = open(files_.write("site/sub/page.html", ""));
    ASSERT_NE(page, nullptr);
    CInsertTagDlg* dialog = openDialog(page);
    ASSERT_NE(dialog, nullptr);
    choose(dialog, "A");
    services_->openNames.push_back(QString::fromStdString(files_.path("site/img/logo.png")));
    CArgControl* href = dialog->control("HREF");
    ASSERT_NE(href->fileButton(), nullptr);
    dialog->scrollArea()->ensureWidgetVisible(href->fileButton());
    click(href->fileButton());
    EXPECT_EQ(href->text(), QStringLiteral("../img/logo.png"));
    click(dialog->insertButton());
    EXPECT_EQ(text(page), "<A HREF=../img/logo.png>");
}

TEST_F(InsertTagTest, GetCurrentTagIsOfferedAndChangesNothing) {
    CChildWin* document = documentWith("<b>x</b>", 4, 4);
    document->editor().model().setModified(false);
    QAction* item = refreshed(Cmd::GetCurrentTag);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(item->text(), QStringLiteral("&Get Current Tag"));
    bool inInsertMenu = false;
    for (QAction* menu : window()->menuBar()->actions()) {
        if (menu->text() == QStringLiteral("&Insert") && menu->menu() != nullptr)
            inInsertMenu = menu->menu()->actions().contains(item);
    }
    EXPECT_TRUE(inInsertMenu);
    item->trigger();
    settle();
    EXPECT_EQ(text(document), "<b>x</b>");
    EXPECT_EQ(document->editor().model().GetSelection().caret, 4);
    EXPECT_FALSE(modified(document));
}

TEST_F(InsertTagTest, TagDataShowsTheWholeVocabularyWithDescriptions) {
    QString tagInfo;
    QString argumentInfo;
    int topLevel = 0;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CHtmlLanguageDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        modal = dialog->isModal();
        topLevel = dialog->tree()->topLevelItemCount();
        if (clickTreeItem(dialog->tree(), "TABLE") != nullptr)
            tagInfo = dialog->info()->toPlainText();
        QTreeWidgetItem* table = dialog->tree()->currentItem();
        if (table != nullptr && table->childCount() > 0) {
            QTreeWidgetItem* align = findTreeItem(table, "ALIGN");
            if (align != nullptr && align->childCount() > 0) {
                clickTreeItem(dialog->tree(), align->child(0));
                argumentInfo = dialog->info()->toPlainText();
            }
        }
        dialog->reject();
    });
    refreshed(Cmd::TagData)->trigger();
    EXPECT_TRUE(modal);
    EXPECT_EQ(topLevel, static_cast<int>(app_.tagData().groups().size()));
    EXPECT_EQ(tagInfo.toStdString(), app_.tagData().FindTag("TABLE")->info);
    EXPECT_FALSE(argumentInfo.isEmpty());
}
