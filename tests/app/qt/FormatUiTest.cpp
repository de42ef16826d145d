#include "AppFixture.h"
#include "app/CommandIds.h"

#include <QTest>

namespace {

class FormatUiTest : public AppFixture {
protected:
    void select(CChildWin* document, int start, int end) {
        document->editor().SetSelection(start, end, true);
        settle();
    }
    void press(CChildWin* document, int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(&document->editor(), static_cast<Qt::Key>(key), modifiers);
        settle();
    }
};

} // namespace

TEST_F(FormatUiTest, CtrlBMakesTheSelectedWordBoldAndCtrlZTakesItBack) {
    CChildWin* document = documentWith("make this bold");
    select(document, 5, 9);
    press(document, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(text(document), "make <B>this</B> bold");
    EXPECT_EQ(document->editor().model().GetSelectedText(), "this");
    press(document, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(document), "make this bold");
}

TEST_F(FormatUiTest, HeadersFromTheKeyboardAndCtrlH) {
    CChildWin* document = documentWith("Title");
    select(document, 0, 5);
    press(document, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(text(document), "<H2>Title</H2>");
    CChildWin* second = documentWith("Top");
    select(second, 0, 3);
    press(second, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(text(second), "<H1>Top</H1>");
}

TEST_F(FormatUiTest, ThreeMarksWrappedInOneCommand) {
    app_.state().UseMarks = 1;
    CChildWin* document = documentWith("one two three");
    for (auto [start, end] : {std::pair{0, 3}, std::pair{4, 7}, std::pair{8, 13}}) {
        select(document, start, end);
        press(document, Qt::Key_M, Qt::ControlModifier);
    }
    ASSERT_EQ(document->editor().model().marks().size(), 3u);
    press(document, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(text(document), "<I>one</I> <I>two</I> <I>three</I>");
}

TEST_F(FormatUiTest, FontBuildsTheFontTagsFromTheChooser) {
    FontChoice choice;
    choice.faceName = "Arial";
    choice.weight = FontChoice::BoldWeight;
    choice.colour = 0x0000FF; // red
    choice.pointSizeTenths = 120;
    services_->fonts.push_back(choice);
    CChildWin* document = documentWith("x");
    select(document, 0, 1);
    press(document, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(document), "<B><FONT FACE=\"Arial\" COLOR=\"#ff0000\" SIZE=1>x</FONT></B>");

    press(document, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier); // cancelled
    EXPECT_EQ(text(document), "<B><FONT FACE=\"Arial\" COLOR=\"#ff0000\" SIZE=1>x</FONT></B>");
}

TEST_F(FormatUiTest, SmartTabsIsDisabledWithoutASelectionAndIndentsWithOne) {
    CChildWin* document = documentWith("<UL>\n<LI>a</LI>\n</UL>");
    press(document, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(document), "<UL>\n<LI>a</LI>\n</UL>");
    document->editor().SelectAll();
    settle();
    press(document, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(document), "<UL>\n\t<LI>a</LI>\n</UL>");
}

TEST_F(FormatUiTest, AWrapPastTheCapacityIsRefusedWithAMessage) {
    CChildWin* document = documentWith(std::string(TextModel::Capacity - 2, 'x'));
    select(document, 0, 1);
    press(document, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(document->editor().model().length(), TextModel::Capacity - 2);
    ASSERT_FALSE(services_->messages.isEmpty());
    EXPECT_TRUE(services_->messages.last().contains("size limit"));
}
