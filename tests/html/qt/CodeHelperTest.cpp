#include "html/qt/CodeHelper.h"

#include "../CodeHelperTags.h"
#include "editor/qt/EditBoxFixture.h"
#include "html/qt/ListWindow.h"

namespace {

// An editor with its CodeHelper opening after each typed character, as the
// document window sets it up; keys and clicks are real events sent to the
// focused editor.
class CodeHelperTest : public EditBoxFixture {
protected:
    void SetUp() override {
        EditBoxFixture::SetUp();
        tags.loadFromText(CodeHelperTags, "");
        settings.Editing[CEditorSettings::CodeHelperAutomatic] = 1;
        CodeHelperHooks hooks;
        hooks.projectLinks = [this] { return links; };
        hooks.showInfo = [this](const QString& text) { infos << text; };
        helper = new CodeHelper(*box, tags, hooks);
        box->setCodeHelper(helper);
        // The document window shows both in the same status bar pane.
        QObject::connect(box.get(), &CMyEditBox::tagInfoChanged,
                         [this](const QString& text) { infos << text; });
    }

    void type(const QString& keys) { QTest::keyClicks(box.get(), keys); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(box.get(), key, modifiers);
    }
    ListWindow& list() { return helper->listWindow(); }
    bool shown() { return list().isVisible(); }
    std::string selectedEntry() { return list().GetSelectedEntryText(); }
    // The list's rows are taken from its own contents rectangle.
    QPoint entryPoint(int row) {
        const QRect area = list().contentsRect();
        return {area.left() + 20, area.top() + row * list().rowHeight() + list().rowHeight() / 2};
    }

    CodeHelper* helper = nullptr;
    std::vector<std::string> links;
    QStringList infos; // the status bar's texts, newest last
};

} // namespace

TEST_F(CodeHelperTest, TypingALessThanAndALetterShowsTheTagsAndReturnCompletesTheName) {
    type("<t");
    ASSERT_TRUE(shown());
    EXPECT_EQ(helper->mode(), CodeHelperMode::TagNames);
    EXPECT_EQ(selectedEntry(), "TABLE");
    ASSERT_FALSE(infos.isEmpty());
    EXPECT_EQ(infos.last(), "Table") << "the status bar describes the selected entry";
    EXPECT_TRUE(box->hasFocus()) << "the list never takes the focus";

    key(Qt::Key_Return);
    EXPECT_EQ(text(), "<TABLE") << "a tag with arguments: no \">\" yet";
    EXPECT_EQ(selection().caret, 6);
    EXPECT_FALSE(shown());
    EXPECT_EQ(helper->mode(), CodeHelperMode::Hidden);

    // One undo step brings back what was typed.
    ASSERT_TRUE(box->Undo());
    EXPECT_EQ(text(), "<t");
}

TEST_F(CodeHelperTest, ReturnOnATagWithoutArgumentsFinishesIt) {
    type("<b");
    ASSERT_EQ(selectedEntry(), "B");
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "<B>");
    EXPECT_EQ(selection().caret, 3);
}

TEST_F(CodeHelperTest, ClosingTagsProposeTheOpenTagAndAddTheirBracketOnce) {
    type("<table><tr>x</");
    ASSERT_TRUE(shown());
    EXPECT_EQ(selectedEntry(), "TR");
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "<table><tr>x</TR>");

    type("</");
    EXPECT_EQ(selectedEntry(), "TABLE") << "TR is closed now";

    // With a ">" after the caret already, none is added.
    setText("<table></ta>");
    box->SetSelection(11, 11, true);
    type("b");
    ASSERT_TRUE(shown());
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "<table></TABLE>");
}

TEST_F(CodeHelperTest, ArgumentsAndValuesFollowTheTypingAndAQuotedValueLosesItsQuote) {
    type("<table a");
    ASSERT_EQ(helper->mode(), CodeHelperMode::ArgumentNames);
    EXPECT_EQ(selectedEntry(), "ALIGN");
    key(Qt::Key_Return);
    type("=\"r");
    ASSERT_EQ(helper->mode(), CodeHelperMode::Values);
    EXPECT_EQ(selectedEntry(), "RIGHT") << "found past the opening quote";
    key(Qt::Key_Up);
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "<table ALIGN=LEFT") << "the selection moved from RIGHT to LEFT";
}

TEST_F(CodeHelperTest, UpAndDownStopAtTheEndsOfTheList) {
    type("<table align=");
    ASSERT_EQ(selectedEntry(), "CENTER");
    key(Qt::Key_Up);
    EXPECT_EQ(selectedEntry(), "CENTER");
    for (int i = 0; i < 5; ++i) {
        key(Qt::Key_Down);
    }
    EXPECT_EQ(selectedEntry(), "RIGHT");
    EXPECT_EQ(selection().caret, 13) << "the caret stays while the list shows";
    EXPECT_EQ(infos.last(), "RIGHT");
}

TEST_F(CodeHelperTest, EscapeOrAnyCaretMoveOrClickEndsTheList) {
    const std::vector<std::pair<const char*, std::function<void()>>> moves = {
        {"Escape", [this] { key(Qt::Key_Escape); }},
        {"Left", [this] { key(Qt::Key_Left); }},
        {"Right", [this] { key(Qt::Key_Right); }},
        {"Home", [this] { key(Qt::Key_Home); }},
        {"End", [this] { key(Qt::Key_End); }},
        {"Page Up", [this] { key(Qt::Key_PageUp); }},
        {"Backspace", [this] { key(Qt::Key_Backspace); }},
        {"click", [this] { click(2, 0); }},
        {"select all", [this] { box->SelectAll(); }},
    };
    for (const auto& [name, move] : moves) {
        setText(" x"); // something to move over on the right too
        type("<t");
        ASSERT_TRUE(shown()) << name;
        move();
        EXPECT_FALSE(shown()) << name;
        EXPECT_EQ(helper->mode(), CodeHelperMode::Hidden) << name;
        const std::string before = text();
        // Return after the move is a line break again, not a completion.
        key(Qt::Key_Return);
        EXPECT_NE(text().find('\n'), std::string::npos) << name;
        EXPECT_EQ(text().find("TABLE"), std::string::npos) << name;
    }
}

TEST_F(CodeHelperTest, OutsideATagOrWithNothingToOfferReturnBreaksTheLine) {
    type("plain");
    EXPECT_FALSE(shown());
    type("<blink ");
    EXPECT_FALSE(shown()) << "an unknown tag";
    type("x=");
    EXPECT_FALSE(shown());
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "plain<blink x=\n");
}

TEST_F(CodeHelperTest, TypingOnWhileTheListShowsKeepsEveryCharacterAndRefreshesTheList) {
    type("<tabl");
    EXPECT_EQ(text(), "<tabl");
    EXPECT_EQ(selectedEntry(), "TABLE");
    type("e ");
    EXPECT_EQ(helper->mode(), CodeHelperMode::ArgumentNames) << "no stale tag list";
    type("align=x");
    EXPECT_EQ(text(), "<table align=x");
    EXPECT_EQ(selectedEntry(), "CENTER") << "X is past every value: the first stays selected";
    type(">");
    EXPECT_FALSE(shown());
}

TEST_F(CodeHelperTest, ReturnWithAnEmptyListBreaksTheLine) {
    type("<br ");
    EXPECT_FALSE(shown());
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "<br \n");
}

TEST_F(CodeHelperTest, LinkValuesComeFromTheProjectOnly) {
    type("<a href=\"");
    EXPECT_FALSE(shown()) << "no project";
    setText("");
    links = {"pages/b.html", "a.html"};
    type("<a href=\"");
    ASSERT_TRUE(shown());
    EXPECT_EQ(selectedEntry(), "a.html");
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "<a href=pages/b.html");
}

TEST_F(CodeHelperTest, AClickSelectsAnEntryAndADoubleClickChoosesIt) {
    type("<table align=");
    ASSERT_TRUE(shown());
    QTest::mouseClick(&list(), Qt::LeftButton, {}, entryPoint(2));
    EXPECT_EQ(selectedEntry(), "RIGHT");
    EXPECT_TRUE(shown());
    EXPECT_TRUE(box->hasFocus());
    QTest::mouseDClick(&list(), Qt::LeftButton, {}, entryPoint(1));
    EXPECT_EQ(text(), "<table align=LEFT");
    EXPECT_FALSE(shown());
    EXPECT_TRUE(box->hasFocus());
}

TEST_F(CodeHelperTest, TheListOpensBelowTheCaretTwoHundredPixelsWideWithTheSelectionInBlue) {
    type("<t");
    const ViewPoint caret = box->OffsetToPoint(2);
    EXPECT_EQ(list().geometry().topLeft(), QPoint(caret.x, caret.y + box->lineHeight()));
    EXPECT_EQ(list().width(), 200);
    EXPECT_EQ(list().height(), 10 * list().rowHeight() + 6);
    const QImage image = list().grab().toImage();
    const QPoint selectedRow = entryPoint(3); // TABLE, after A, B and BR
    EXPECT_EQ(image.pixelColor(list().contentsRect().right() - 2, selectedRow.y()),
              QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(list().contentsRect().right() - 2, entryPoint(0).y()),
              QColor(Qt::white));
}

TEST_F(CodeHelperTest, NearTheBottomOrTheRightEdgeTheListStaysInside) {
    std::string lines;
    for (int i = 0; i < 40; ++i) {
        lines += "\n";
    }
    setText(lines + std::string(200, ' '));
    const int rows = box->viewport()->height() / box->lineHeight();
    const int caretLine = rows - 2;
    const int offset = caretLine;
    box->SetSelection(offset, offset, true);
    type("<t");
    ASSERT_TRUE(shown());
    const ViewPoint caret = box->OffsetToPoint(selection().caret);
    EXPECT_EQ(list().geometry().bottom() + 1, caret.y) << "above the caret's line";
    EXPECT_LE(list().geometry().right(), box->viewport()->width());

    // Short of the column where the editor would scroll sideways.
    const int columns = box->viewport()->width() / box->charWidth();
    setText(std::string(static_cast<size_t>(columns * 8 / 10 - 3), ' '));
    box->SetSelection(box->model().length(), box->model().length(), true);
    type("<t");
    ASSERT_TRUE(shown());
    EXPECT_EQ(list().geometry().right() + 1, box->viewport()->width()) << "moved left";
}

TEST_F(CodeHelperTest, ReleasingCtrlOpensAndClosesTheListWhenThatSwitchIsOn) {
    settings.Editing[CEditorSettings::CodeHelperAutomatic] = 0;
    type("<t");
    EXPECT_FALSE(shown()) << "not while typing";
    QTest::keyPress(box.get(), Qt::Key_Control);
    QTest::keyRelease(box.get(), Qt::Key_Control);
    EXPECT_FALSE(shown()) << "the Ctrl switch is off";

    settings.Editing[CEditorSettings::CodeHelperOnCtrl] = 1;
    QTest::keyPress(box.get(), Qt::Key_Control);
    QTest::keyRelease(box.get(), Qt::Key_Control);
    ASSERT_TRUE(shown());
    EXPECT_EQ(selectedEntry(), "TABLE");
    QTest::keyPress(box.get(), Qt::Key_Control);
    QTest::keyRelease(box.get(), Qt::Key_Control);
    EXPECT_FALSE(shown());
    EXPECT_EQ(helper->mode(), CodeHelperMode::Hidden);
}
