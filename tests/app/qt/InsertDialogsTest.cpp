#include "AppFixture.h"
#include "CaseName.h"
#include "app/CommandIds.h"
#include "app/qt/ProjectCommands.h"
#include "dialogs/qt/CInsertAnchorDlg.h"
#include "dialogs/qt/CInsertFramesDlg.h"
#include "dialogs/qt/CInsertImageDlg.h"
#include "dialogs/qt/CInsertTableDlg.h"
#include "dialogs/qt/CUpDownEdit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <cstdlib>
#include <functional>

namespace {

// The control a label names, as the user finds it.
template <typename Control = QWidget> Control* field(QWidget* dialog, const QString& label) {
    for (QLabel* text : dialog->findChildren<QLabel*>()) {
        if (text->text() == label) {
            auto* control = qobject_cast<Control*>(text->buddy());
            EXPECT_NE(control, nullptr) << label.toStdString();
            return control;
        }
    }
    ADD_FAILURE() << "no field " << label.toStdString();
    return nullptr;
}

// The "..." button on the same row as the field labelled label.
QPushButton* dotsBeside(QWidget* dialog, const QString& label) {
    QWidget* control = field(dialog, label);
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == "..." &&
            std::abs(button->mapToGlobal(QPoint(0, button->height() / 2)).y() -
                     control->mapToGlobal(QPoint(0, control->height() / 2)).y()) < 6) {
            return button;
        }
    }
    ADD_FAILURE() << "no button beside " << label.toStdString();
    return nullptr;
}

void typeInto(QWidget* control, const QString& text) {
    control->setFocus();
    QTest::keyClicks(control, text);
}

void click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// On the box itself: a check box wider than its label takes no click on
// the empty space right of it.
void tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void clickOk(QWidget* dialog) {
    click(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
}

void clickCancel(QWidget* dialog) {
    click(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
}

class InsertDialogsTest : public AppFixture {
protected:
    static void select(CChildWin* document, int start, int end) {
        document->editor().SetSelection(start, end, true);
    }
    static Selection selection(CChildWin* document) {
        return document->editor().model().GetSelection();
    }
    void run(int id, std::function<void(QWidget*)> answer) {
        whenDialogShows(std::move(answer));
        ASSERT_TRUE(commands().execute(id));
        settle();
    }
    void pressCtrlL(CChildWin* document, std::function<void(QWidget*)> answer) {
        whenDialogShows(std::move(answer));
        key(document, Qt::Key_L, Qt::ControlModifier);
    }
};

TEST_F(InsertDialogsTest, TheInsertCommandsNeedADocument) {
    for (int id : {Cmd::InsertAnchor, Cmd::InsertImage, Cmd::InsertTable, Cmd::InsertFrames}) {
        EXPECT_FALSE(refreshed(id)->isEnabled()) << id;
    }
    newUntitled();
    for (int id : {Cmd::InsertAnchor, Cmd::InsertImage, Cmd::InsertTable, Cmd::InsertFrames}) {
        EXPECT_TRUE(refreshed(id)->isEnabled()) << id;
    }
}

TEST_F(InsertDialogsTest, CtrlLLinksTheSelectedWordAndKeepsItSelected) {
    CChildWin* document = documentWith("a word here");
    select(document, 2, 6);
    QString shownCaption;
    pressCtrlL(document, [&](QWidget* dialog) {
        shownCaption = dialog->findChild<QPlainTextEdit*>()->toPlainText();
        typeInto(field(dialog, "&Path:"), "page.html");
        typeInto(field(dialog, "&Target:"), "_top");
        clickOk(dialog);
    });
    EXPECT_EQ(shownCaption, "word");
    EXPECT_EQ(text(document), "a <A HREF=page.html TARGET=_top>word</A> here");
    EXPECT_EQ(document->editor().model().GetSelectedText(), "word");
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    key(document, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(document), "a word here");
}

// A caption shortened in the dialog would leave the moved selection over
// the closing tag and the text after it.
TEST_F(InsertDialogsTest, AShortenedCaptionKeepsTheSelectionInsideTheInsertedText) {
    CChildWin* document = documentWith("go homes now");
    select(document, 3, 8);
    pressCtrlL(document, [](QWidget* dialog) {
        auto* caption = dialog->findChild<QPlainTextEdit*>();
        caption->selectAll();
        QTest::keyClick(caption, Qt::Key_Delete);
        typeInto(field(dialog, "&Name:"), "x");
        clickOk(dialog);
    });
    EXPECT_EQ(text(document), "go <A NAME=x></A> now");
    EXPECT_EQ(selection(document), (Selection{13, 17}));
}

TEST_F(InsertDialogsTest, WithUseMarksEveryMarkIsWrappedAndTheCaptionIsLocked) {
    app_.state().UseMarks = 1;
    CChildWin* document = documentWith("one two three");
    for (auto [start, end] : {std::pair{0, 3}, std::pair{8, 13}}) {
        select(document, start, end);
        key(document, Qt::Key_M, Qt::ControlModifier);
    }
    bool captionEnabled = true;
    QString caption;
    pressCtrlL(document, [&](QWidget* dialog) {
        auto* captionField = dialog->findChild<QPlainTextEdit*>();
        captionEnabled = captionField->isEnabled();
        caption = captionField->toPlainText();
        typeInto(field(dialog, "&Path:"), "x.html");
        clickOk(dialog);
    });
    EXPECT_FALSE(captionEnabled);
    EXPECT_EQ(caption, "Use Marks Activated");
    EXPECT_EQ(text(document), "<A HREF=x.html>one</A> two <A HREF=x.html>three</A>");
}

TEST_F(InsertDialogsTest, CancelChangesNothing) {
    CChildWin* document = documentWith("keep");
    select(document, 0, 4);
    for (int id : {Cmd::InsertAnchor, Cmd::InsertImage, Cmd::InsertTable, Cmd::InsertFrames}) {
        run(id, [](QWidget* dialog) {
            typeInto(dialog->findChild<QLineEdit*>(), "typed");
            clickCancel(dialog);
        });
        EXPECT_EQ(text(document), "keep") << id;
        EXPECT_EQ(document->editor().model().undoList().size(), 1u) << id;
    }
}

struct BrowseCase {
    std::string name;
    std::string document; // "" for an untitled one
    std::string chosen;
    std::string link;
};

class InsertDialogsBrowseTest : public InsertDialogsTest,
                                public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(InsertDialogsBrowseTest, TheAnchorPathIsRelativeToTheDocumentsFolder) {
    const BrowseCase& c = GetParam();
    const std::string root = files_.dir();
    CChildWin* document = c.document.empty() ? newUntitled() : open(files_.write(c.document, ""));
    ASSERT_NE(document, nullptr);
    services_->openNames.push_back(QString::fromStdString(root + c.chosen));
    pressCtrlL(document, [](QWidget* dialog) {
        click(dotsBeside(dialog, "&Path:"));
        clickOk(dialog);
    });
    const std::string link = c.document.empty() ? root + c.link : c.link;
    EXPECT_EQ(text(document), "<A HREF=" + link + "></A>");
}

INSTANTIATE_TEST_SUITE_P(
    Files, InsertDialogsBrowseTest,
    ::testing::Values(BrowseCase{"SubFolder", "site/page.html", "site/sub/other.html",
                                 "sub/other.html"},
                      BrowseCase{"OtherTree", "site/a/page.html", "elsewhere/b/x.html",
                                 "../../elsewhere/b/x.html"},
                      BrowseCase{"UntitledGivesTheFullPath", "", "site/x.html", "site/x.html"}),
    CaseName());

TEST_F(InsertDialogsTest, ProjectFilesAreOfferedAsThisDocumentLinksToThem) {
    files_.write("site/index.html", "");
    files_.write("site/products/bread.html", "");
    files_.write("site/site.prj",
                 "NAME: Bakery\r\nPATH: site.prj\r\nSAVEPASSWORD: NO\r\n"
                 "AUTOUPDATE: NO\r\n{\r\nindex.html\r\nproducts\\bread.html\r\n}\r\n");
    ASSERT_TRUE(window()->projects().openProject(files_.path("site/site.prj")));
    CChildWin* document = open(files_.path("site/products/bread.html"));
    ASSERT_NE(document, nullptr);
    QStringList offered;
    pressCtrlL(document, [&](QWidget* dialog) {
        auto* projectFile = field<QComboBox>(dialog, "Pro&ject File:");
        for (int i = 0; i < projectFile->count(); ++i) {
            offered << projectFile->itemText(i);
        }
        projectFile->setFocus();
        QTest::keyClick(projectFile, Qt::Key_Down);
        clickOk(dialog);
    });
    EXPECT_EQ(offered, (QStringList{"../index.html", "bread.html"}));
    EXPECT_EQ(text(document), "<A HREF=../index.html></A>");
}

TEST_F(InsertDialogsTest, ImageFromTheBrowseButtonSpinsAndIsMapReplacesTheSelection) {
    const std::string page = files_.write("site/page.html", "before OLD after").string();
    CChildWin* document = open(page);
    select(document, 7, 10);
    services_->openNames.push_back(QString::fromStdString(files_.path("site/img/cat.gif")));
    run(Cmd::InsertImage, [](QWidget* dialog) {
        click(dotsBeside(dialog, "&Src:"));
        auto* width = field(dialog, "&Width:");
        width->setFocus();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(width, Qt::Key_Up);
        }
        typeInto(field(dialog, "&Height:"), "50%");
        typeInto(field(dialog, "Alternative &Text:"), "a \"cat\"");
        typeInto(field(dialog, "&UseMap:"), "#m");
        tick(dialog->findChild<QCheckBox*>());
        clickOk(dialog);
    });
    const std::string tag = "<IMG SRC=\"img/cat.gif\" ALT=\"a \"cat\"\" WIDTH=3 HEIGHT=50% "
                            "USEMAP=#m ISMAP>";
    EXPECT_EQ(text(document), "before " + tag + " after");
    EXPECT_EQ(selection(document), (Selection{7, 10}));
}

TEST_F(InsertDialogsTest, ImageOverALongerSelectionLeavesTheCaretAtItsEnd) {
    CChildWin* document = documentWith("x a long selected text y");
    select(document, 2, 22);
    run(Cmd::InsertImage, [](QWidget* dialog) { clickOk(dialog); });
    EXPECT_EQ(text(document), "x <IMG> y");
    EXPECT_EQ(selection(document), (Selection{2, 7}));
}

TEST_F(InsertDialogsTest, TableAfterTwoTabsIndentsItsRowsAndTakesAColourFromTheButton) {
    CChildWin* document = documentWith("\t\t\nnext");
    select(document, 2, 2);
    ColorChoice blue;
    blue.value = 0x0000FF;
    services_->colors.push_back(blue);
    run(Cmd::InsertTable, [](QWidget* dialog) {
        typeInto(field(dialog, "&Columns:"), "2");
        typeInto(field(dialog, "&Rows:"), "1");
        click(dotsBeside(dialog, "BG&Color:"));
        typeInto(field(dialog, "&Text:"), "Prices");
        clickOk(dialog);
    });
    EXPECT_EQ(text(document),
              "\t\t<TABLE BGCOLOR=#0000ff COLS=2>\n\t\t\t<CAPTION>Prices</CAPTION>\n"
              "\t\t\t<TR>\n\t\t\t\t<TD>\n\t\t\t\t<TD>\n\t\t\t</TR>\n\t\t</TABLE>\n"
              "next");
}

TEST_F(InsertDialogsTest, TableFromSpreadsheetCellsWithCrLfLineEnds) {
    QApplication::clipboard()->setText("Name\tPrice\tQty\r\nBread\t2\t10\r\nRolls\t1\t30\r\n");
    CChildWin* document = documentWith("");
    bool countsEnabled = true;
    run(Cmd::InsertTable, [&](QWidget* dialog) {
        tick(dialog->findChild<QCheckBox*>());
        countsEnabled = field(dialog, "&Columns:")->isEnabled();
        clickOk(dialog);
    });
    EXPECT_FALSE(countsEnabled);
    EXPECT_EQ(text(document), "<TABLE COLS=3>\n\t<TR>\n\t\t<TD>Name\n\t\t<TD>Price\n\t\t<TD>Qty\n"
                              "\t</TR>\n\t<TR>\n\t\t<TD>Bread\n\t\t<TD>2\n\t\t<TD>10\n\t</TR>\n"
                              "\t<TR>\n\t\t<TD>Rolls\n\t\t<TD>1\n\t\t<TD>30\n\t</TR>\n\t<TR>\n"
                              "\t</TR>\n</TABLE>");
}

TEST_F(InsertDialogsTest, TableFromAHundredThousandCellsIsRefusedWholeWhenItCannotFit) {
    std::string cells;
    for (int row = 0; row < 1000; ++row) {
        for (int column = 0; column < 100; ++column) {
            cells += "cell\t";
        }
        cells.back() = '\n';
    }
    QApplication::clipboard()->setText(QString::fromStdString(cells));
    CChildWin* document = documentWith("<P>kept</P>");
    const auto useClipboard = [](QWidget* dialog) {
        tick(dialog->findChild<QCheckBox*>());
        clickOk(dialog);
    };
    run(Cmd::InsertTable, useClipboard);
    EXPECT_EQ(text(document), "<P>kept</P>");
    EXPECT_EQ(document->editor().model().undoList().size(), 1u);
    ASSERT_EQ(services_->messages.size(), 1);
    EXPECT_TRUE(services_->messages[0].contains("size limit"))
        << services_->messages[0].toStdString();

    std::string small = cells.substr(0, cells.size() / 2);
    QApplication::clipboard()->setText(QString::fromStdString(small));
    run(Cmd::InsertTable, useClipboard);
    EXPECT_EQ(text(document).rfind("<TABLE COLS=100>\n\t<TR>\n\t\t<TD>cell\n", 0), 0u);
    EXPECT_EQ(services_->messages.size(), 1);
}

TEST_F(InsertDialogsTest, FramesKeepEachColumnsWidthAndTakeABorderColour) {
    CChildWin* document = documentWith("\t");
    select(document, 1, 1);
    ColorChoice blue;
    blue.value = 0x0000FF;
    services_->colors.push_back(blue);
    QString widthShownAgain;
    run(Cmd::InsertFrames, [&](QWidget* dialog) {
        auto* columns = field<QSpinBox>(dialog, "No &Cols:");
        auto* column = field<QComboBox>(dialog, "&Edit Col:");
        auto* width = field<CUpDownEdit>(dialog, "&Width:");
        columns->setFocus();
        QTest::keyClick(columns, Qt::Key_Up);
        typeInto(width, "100");
        column->setFocus();
        QTest::keyClick(column, Qt::Key_Down);
        QTest::keyClick(column, Qt::Key_Down);
        typeInto(width, "20%");
        QTest::keyClick(columns, Qt::Key_Down);
        QTest::keyClick(columns, Qt::Key_Up);
        column->setFocus();
        QTest::keyClick(column, Qt::Key_End);
        widthShownAgain = width->value();
        QTest::keyClick(field(dialog, "No &Rows:"), Qt::Key_Up);
        click(dotsBeside(dialog, "Border C&olor:"));
        clickOk(dialog);
    });
    EXPECT_EQ(widthShownAgain, "20%");
    EXPECT_EQ(text(document),
              "\t<FRAMESET COLS=\"100, *, 20%\" ROWS=\"*, *\" BORDERCOLOR=#0000ff>\n"
              "\t\t<FRAME SRC=\"\">\n\t\t<FRAME SRC=\"\">\n\t\t<FRAME SRC=\"\">\n"
              "\t\t<FRAME SRC=\"\">\n\t\t<FRAME SRC=\"\">\n\t\t<FRAME SRC=\"\">\n"
              "\t</FRAMESET>");
}

TEST_F(InsertDialogsTest, FrameCountsStopAtTwenty) {
    CChildWin* document = documentWith("");
    int shown = 0;
    run(Cmd::InsertFrames, [&](QWidget* dialog) {
        auto* columns = field<QSpinBox>(dialog, "No &Cols:");
        columns->setFocus();
        columns->selectAll();
        QTest::keyClicks(columns, "25");
        shown = columns->value();
        clickOk(dialog);
    });
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(text(document).rfind("<FRAMESET COLS=\"*, *\">", 0), 0u);
}

} // namespace
