#include "EditBoxFixture.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace {

using EditBoxTyping = EditBoxFixture;

TEST_F(EditBoxTyping, TypingReplacesTheSelectionAndLeavesTheCaretAfterIt) {
    setText("abc");
    box->SetSelection(1, 2, true);
    QTest::keyClick(box.get(), Qt::Key_X);
    EXPECT_EQ(text(), "axc");
    EXPECT_EQ(selection().start, 2);
    EXPECT_EQ(selection().caret, 2);
}

TEST_F(EditBoxTyping, NonAsciiCharactersGoInAsUtf8AndTheCaretStepsOverThemWhole) {
    setText("");
    typeUnicode(QString::fromUtf8("é€"));
    EXPECT_EQ(text(), "\xC3\xA9\xE2\x82\xAC");
    QTest::keyClick(box.get(), Qt::Key_Left);
    EXPECT_EQ(selection().caret, 2);
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    EXPECT_EQ(text(), "\xE2\x82\xAC");
    QTest::keyClick(box.get(), Qt::Key_Delete);
    EXPECT_EQ(text(), "");
}

TEST_F(EditBoxTyping, EscapeAndOtherControlCodesInsertNothing) {
    setText("a");
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_EQ(text(), "a");
    EXPECT_EQ(box->model().undoList().size(), 1u) << "only the setText step";
}

TEST_F(EditBoxTyping, ReturnIndentsWithTheLeadingTabsOfTheLine) {
    setText("\t\tab");
    box->SetSelection(3, 3, true);
    QTest::keyClick(box.get(), Qt::Key_Return);
    EXPECT_EQ(text(), "\t\ta\n\t\tb");
    EXPECT_EQ(selection().start, 6);
    EXPECT_EQ(selection().caret, 6);
}

TEST_F(EditBoxTyping, ReturnReplacesASelectionAndStandsAfterTheTabs) {
    setText("\t\tabcd");
    box->SetSelection(3, 5, true);
    QTest::keyClick(box.get(), Qt::Key_Return);
    EXPECT_EQ(text(), "\t\ta\n\t\td");
    EXPECT_EQ(selection().caret, 6);
}

TEST_F(EditBoxTyping, ReturnWithoutAutoIndentInsertsALineFeedOnly) {
    settings.Editing[CEditorSettings::AutoIndentTabs] = 0;
    setText("\tab");
    box->SetSelection(2, 2, true);
    QTest::keyClick(box.get(), Qt::Key_Return);
    EXPECT_EQ(text(), "\ta\nb");
}

TEST_F(EditBoxTyping, TabOnThreeSelectedLinesIndentsEachOnceAndShiftTabUndoesIt) {
    setText("one\n\ttwo\nthree\nfour");
    box->SetSelection(1, 11, true); // from inside "one" to inside "three"
    QTest::keyClick(box.get(), Qt::Key_Tab);
    EXPECT_EQ(text(), "\tone\n\t\ttwo\n\tthree\nfour");
    EXPECT_EQ(box->model().undoList().size(), 2u) << "one step for the whole block";
    EXPECT_EQ(selection().caret, 14);
    QTest::keyClick(box.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(text(), "one\n\ttwo\nthree\nfour");
    QTest::keyClick(box.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(text(), "one\ntwo\nthree\nfour") << "only lines with a leading tab lose one";
}

// Each row: a text and a selection of some of its lines.
struct BlockCase {
    const char* text;
    int start;
    int caret;
};

TEST_F(EditBoxTyping, RepeatedTabsIndentTheSameLinesAndShiftTabsGiveTheTextBack) {
    const BlockCase cases[] = {
        {"a\nb\nc\nd", 4, 5},       // one middle line
        {"a\nb\nc\nd", 2, 5},       // two lines, from a line start
        {"a\n\tb\nc", 3, 6},        // from inside the leading tab
        {"one\ntwo\nthree", 0, 5},  // from the text's start
        {"one\ntwo\nthree", 6, 14}, // from mid-line to the end
        {"x\n\n\ny\n", 2, 4},       // empty lines
    };
    for (const BlockCase& row : cases) {
        SCOPED_TRACE(::testing::Message() << "selection " << row.start << "-" << row.caret);
        setText(row.text);
        box->SetSelection(row.start, row.caret, true);
        const int firstLine = box->model().LineOfOffset(row.start);
        const int lastLine = box->model().LineOfOffset(row.caret);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(box.get(), Qt::Key_Tab);
            EXPECT_EQ(box->model().LineOfOffset(selection().start), firstLine);
            EXPECT_EQ(box->model().LineOfOffset(selection().caret), lastLine);
        }
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(box.get(), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        EXPECT_EQ(text(), row.text);
    }
}

TEST_F(EditBoxTyping, TabWithoutSelectionInsertsATab) {
    setText("ab");
    box->SetSelection(1, 1, true);
    QTest::keyClick(box.get(), Qt::Key_Tab);
    EXPECT_EQ(text(), "a\tb");
    EXPECT_TRUE(box->hasFocus()) << "Tab must not move the focus away";
}

TEST_F(EditBoxTyping, BackspaceAtTheStartAndDeleteAtTheEndChangeNothing) {
    setText("ab");
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    box->SetSelection(2, 2, true);
    QTest::keyClick(box.get(), Qt::Key_Delete);
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ(box->model().undoList().size(), 1u) << "only the setText step";
}

TEST_F(EditBoxTyping, BackspaceDeletesTheSelectionOrThePreviousCharacter) {
    setText("abcd");
    box->SetSelection(1, 3, true);
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    EXPECT_EQ(text(), "ad");
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    EXPECT_EQ(text(), "d");
    EXPECT_EQ(selection().caret, 0);
}

TEST_F(EditBoxTyping, ControlLettersActAndOtherControlKeysInsertNothing) {
    setText("abc");
    QTest::keyClick(box.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(selection().start, 0);
    EXPECT_EQ(selection().caret, 3);
    QTest::keyClick(box.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(text(), "abc");
}

TEST_F(EditBoxTyping, AltGrCharactersAreInserted) {
    setText("");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_At, Qt::ControlModifier | Qt::AltModifier,
                    QStringLiteral("@"));
    QApplication::sendEvent(box.get(), &press);
    EXPECT_EQ(text(), "@");
}

TEST_F(EditBoxTyping, KeysHeldAtTheTextsEndsStayInside) {
    setText("ab\ncd");
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(box.get(), Qt::Key_Left);
        QTest::keyClick(box.get(), Qt::Key_Up);
        QTest::keyClick(box.get(), Qt::Key_Backspace);
    }
    EXPECT_EQ(selection().caret, 0);
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(box.get(), Qt::Key_Right);
        QTest::keyClick(box.get(), Qt::Key_Down);
    }
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(box.get(), Qt::Key_Delete);
    }
    EXPECT_EQ(selection().caret, 5);
    EXPECT_EQ(text(), "ab\ncd");
}

TEST_F(EditBoxTyping, TypingIntoAFullDocumentIsRefused) {
    setText(std::string(TextModel::Capacity, 'x'));
    box->SetSelection(5, 5, true);
    QTest::keyClick(box.get(), Qt::Key_Y);
    EXPECT_EQ(box->model().length(), TextModel::Capacity);
    EXPECT_EQ(text().find('y'), std::string::npos);
}

using EditBoxSelection = EditBoxFixture;

TEST_F(EditBoxSelection, ShiftHomeSelectsBackToTheLineStart) {
    setText("first\nsecond line\nthird");
    box->SetSelection(12, 12, true);
    QTest::keyClick(box.get(), Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 6);
    EXPECT_EQ(selection().caret, 12);
}

TEST_F(EditBoxSelection, ShiftEndSelectsUpToTheLineFeed) {
    setText("first\nsecond line\nthird");
    box->SetSelection(8, 8, true);
    QTest::keyClick(box.get(), Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 8);
    EXPECT_EQ(selection().caret, 17);
}

TEST_F(EditBoxSelection, ShiftArrowsExtendFromTheAnchorBothWays) {
    setText("abcdef");
    box->SetSelection(3, 3, true);
    QTest::keyPress(box.get(), Qt::Key_Shift);
    QTest::keyClick(box.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(box.get(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 1);
    EXPECT_EQ(selection().caret, 3);
    QTest::keyClick(box.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 3);
    EXPECT_EQ(selection().caret, 6) << "Down on the last line extends to the end";
    QTest::keyRelease(box.get(), Qt::Key_Shift);
}

TEST_F(EditBoxSelection, AShiftSelectionGoesOnFromItsAnchorAfterShiftIsReleased) {
    setText("abcdef");
    box->SetSelection(3, 3, true);
    QTest::keyClick(box.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(box.get(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 1);
    EXPECT_EQ(selection().caret, 3);
    box->SetSelection(2, 4, true);
    QTest::keyClick(box.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(selection().start, 2) << "a selection set otherwise grows from its start";
    EXPECT_EQ(selection().caret, 5);
}

TEST_F(EditBoxSelection, UpAndDownKeepTheColumnCountingATabAsFour) {
    setText("abcdef\n\tx\nabcdef");
    box->SetSelection(4, 4, true); // column 4
    QTest::keyClick(box.get(), Qt::Key_Down);
    EXPECT_EQ(selection().caret, 8) << "column 4 is the x after the tab";
    QTest::keyClick(box.get(), Qt::Key_Down);
    EXPECT_EQ(selection().caret, 14);
    QTest::keyClick(box.get(), Qt::Key_Up);
    QTest::keyClick(box.get(), Qt::Key_Up);
    EXPECT_EQ(selection().caret, 4);
}

TEST_F(EditBoxSelection, DoubleClickOnTheClosingBracketSelectsTheWholeTag) {
    setText("x<b>y</b>");
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, cellCentre(3, 0));
    EXPECT_EQ(selection().start, 1);
    EXPECT_EQ(selection().caret, 4);
}

TEST_F(EditBoxSelection, DoubleClickOnTheOpeningBracketSelectsTheNameOnly) {
    setText("x<b>y</b>");
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, cellCentre(1, 0));
    EXPECT_EQ(selection().start, 2);
    EXPECT_EQ(selection().caret, 3);
}

TEST_F(EditBoxSelection, DoubleClickInTheLeftMarginSelectsTheLine) {
    setText("one\ntwo words\nthree");
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(3, cellCentre(0, 1).y()));
    EXPECT_EQ(selection().start, 4);
    EXPECT_EQ(selection().caret, 13);
}

TEST_F(EditBoxSelection, DragSelectsFromPressToRelease) {
    setText("hello world\nsecond");
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, cellLeft(2, 0));
    moveMouse(cellLeft(4, 1), Qt::LeftButton);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, cellLeft(4, 1));
    EXPECT_EQ(selection().start, 2);
    EXPECT_EQ(selection().caret, 16);
}

TEST_F(EditBoxSelection, DragBackwardsKeepsTheCaretAtTheRightEnd) {
    setText("hello world");
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, cellLeft(8, 0));
    moveMouse(cellLeft(3, 0), Qt::LeftButton);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, cellLeft(3, 0));
    EXPECT_EQ(selection().start, 3);
    EXPECT_EQ(selection().caret, 8);
}

TEST_F(EditBoxSelection, ClickRightOfALinesEndPutsTheCaretBeforeItsLineFeed) {
    setText("ab\ncdef");
    click(30, 0);
    EXPECT_EQ(selection().caret, 2);
    click(30, 5);
    EXPECT_EQ(selection().caret, 7) << "below the last line is the end of the text";
}

TEST_F(EditBoxSelection, ClickInTheTopMarginStaysOnTheFirstRow) {
    setText("abc\ndef");
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(cellLeft(1, 0).x(), 3));
    EXPECT_EQ(selection().caret, 1);
}

TEST_F(EditBoxSelection, RightClickInsideTheSelectionKeepsItAndAsksForTheMenu) {
    setText("hello world");
    box->SetSelection(0, 5, true);
    QPoint asked;
    QObject::connect(box.get(), &CMyEditBox::contextMenuRequested,
                     [&asked](const QPoint& at) { asked = at; });
    QTest::mouseClick(box->viewport(), Qt::RightButton, {}, cellCentre(2, 0));
    EXPECT_EQ(selection().start, 0);
    EXPECT_EQ(selection().caret, 5);
    EXPECT_EQ(asked, box->viewport()->mapToGlobal(cellCentre(2, 0)));
}

TEST_F(EditBoxSelection, TagInformationFollowsTheCaretAndTheMouse) {
    setText("<b>x</b> <a href=\"u\">");
    QString shown;
    QObject::connect(box.get(), &CMyEditBox::tagInfoChanged,
                     [&shown](const QString& text) { shown = text; });
    QTest::keyClick(box.get(), Qt::Key_Right);
    EXPECT_EQ(shown, QStringLiteral("Bold text"));
    moveMouse(cellCentre(13, 0));
    EXPECT_EQ(shown, QStringLiteral("Link target"));
}

TEST_F(EditBoxSelection, TagInformationShowsAMarksReasonUpToItsEnd) {
    setText("plain text");
    box->AddMark({CMarkRecord::KindUser, 2, 5, attrIndex(Attr::Mark), "Marked by User", nullptr});
    EXPECT_EQ(box->tagInfoAt(5), QStringLiteral("Marked by User"));
    EXPECT_EQ(box->tagInfoAt(6), QString());
}

using EditBoxScrolling = EditBoxFixture;

std::string numberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "line " + std::to_string(i) + (i + 1 < count ? "\n" : "");
    }
    return text;
}

TEST_F(EditBoxScrolling, PageDownOnTheLastPageGoesToTheStartOfTheLastLine) {
    setText(numberedLines(100));
    box->setTopLine(95);
    box->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int lastLineStart = box->model().LineStart(99);
    EXPECT_EQ(selection().start, lastLineStart);
    EXPECT_EQ(selection().caret, lastLineStart);
    EXPECT_GE(box->verticalScrollBar()->value(), 0);
    EXPECT_LE(box->verticalScrollBar()->value(), 1000);
}

TEST_F(EditBoxScrolling, PageDownKeyOnTheLastPageStopsOnTheLastLine) {
    setText(numberedLines(100));
    box->SetSelection(box->model().LineStart(97), box->model().LineStart(97), true);
    QTest::keyClick(box.get(), Qt::Key_PageDown);
    EXPECT_EQ(box->model().LineOfOffset(), 99);
    QTest::keyClick(box.get(), Qt::Key_PageDown);
    EXPECT_EQ(box->model().LineOfOffset(), 99);
}

TEST_F(EditBoxScrolling, CaretMovingPastTheBottomScrollsTheView) {
    setText(numberedLines(100));
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(box.get(), Qt::Key_Down);
    }
    const ViewPoint point = box->OffsetToPoint(selection().caret);
    EXPECT_GT(box->topLine(), 0);
    EXPECT_GE(point.y, ViewGeometry::Margin);
    EXPECT_LE(point.y + box->lineHeight(), box->viewport()->height());
}

TEST_F(EditBoxScrolling, ThumbTrackToTheMiddleShowsTheMiddleLine) {
    setText(numberedLines(1000));
    box->verticalScrollBar()->setSliderPosition(500);
    EXPECT_EQ(box->topLine(), 500);
    EXPECT_EQ(box->verticalScrollBar()->value(), 500);
}

TEST_F(EditBoxScrolling, LineStepsMoveTheTopLineAndTheThumb) {
    setText(numberedLines(200));
    box->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    box->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(box->topLine(), 2);
    EXPECT_EQ(box->verticalScrollBar()->value(), 10);
    box->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    box->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    box->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(box->topLine(), 0);
}

TEST_F(EditBoxScrolling, HorizontalPagesStayInsideTheRange) {
    setText("x");
    box->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(box->horizontalScroll(), 0);
    box->horizontalScrollBar()->setSliderPosition(470);
    box->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(box->horizontalScroll(), 470) << "a page right from 470 would pass 500";
    box->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(box->horizontalScroll(), 430);
}

TEST_F(EditBoxScrolling, TypingAtTheRightKeepsTheCaretColumnVisible) {
    setText(std::string(40, '\t'));
    box->SetSelection(40, 40, true);
    QTest::keyClick(box.get(), Qt::Key_Z);
    const ViewPoint point = box->OffsetToPoint(selection().caret);
    EXPECT_GE(point.x, ViewGeometry::Margin);
    EXPECT_LT(point.x, box->viewport()->width());
}

// The caret's cell lies wholly inside the viewport.
::testing::AssertionResult caretIsVisible(const CMyEditBox& box) {
    const ViewPoint point = box.OffsetToPoint(box.model().GetSelection().caret);
    if (point.x >= ViewGeometry::Margin && point.x + box.charWidth() <= box.viewport()->width() &&
        point.y >= 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "caret at (" << point.x << ", " << point.y
                                         << "), scrolled by " << box.horizontalScroll();
}

// Undo and redo bring the caret back into sight sideways too.
TEST_F(EditBoxScrolling, UndoAndRedoShowTheCaretInALongLine) {
    setText("\n");
    QTest::keyClick(box.get(), Qt::Key_Down);
    QTest::keyClicks(box.get(), QString(120, 'x'));
    ASSERT_GT(box->horizontalScroll(), 0);
    for (int i = 0; i < 99; ++i) {
        box->Undo();
    }
    EXPECT_EQ(selection().caret, 1 + 21);
    EXPECT_TRUE(caretIsVisible(*box));
    box->SelectAndShow(1, 1); // the view back at the line's start
    box->EnsureCaretColumnVisible();
    for (int i = 0; i < 99; ++i) {
        box->Redo();
    }
    EXPECT_EQ(selection().caret, 1 + 120);
    EXPECT_TRUE(caretIsVisible(*box));
}

TEST_F(EditBoxScrolling, EndOfALongLineIsReachableAndTypingThereStaysInSight) {
    for (const int length : {100, 499, 500, 501, 3000, 100000}) {
        SCOPED_TRACE(length);
        setText(std::string(length, 'x') + "\nshort");
        QTest::keyClick(box.get(), Qt::Key_End);
        EXPECT_EQ(selection().caret, length);
        EXPECT_TRUE(caretIsVisible(*box));
        QTest::keyClick(box.get(), Qt::Key_Y);
        EXPECT_TRUE(caretIsVisible(*box));
        EXPECT_GE(box->horizontalScrollBar()->maximum(), CMyEditBox::MinHorizontalRange);
        EXPECT_GE(box->horizontalScrollBar()->maximum(), box->horizontalScroll());
        EXPECT_EQ(box->horizontalScrollBar()->value(), box->horizontalScroll());
    }
}

TEST_F(EditBoxScrolling, HorizontalRangeIsAtLeast500AndFollowsTheLongestLine) {
    setText("short");
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), CMyEditBox::MinHorizontalRange);
    setText("a\n" + std::string(800, 'x') + "\n\t" + std::string(700, 'y'));
    QTest::keyClick(box.get(), Qt::Key_Down);
    QTest::keyClick(box.get(), Qt::Key_End);
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 800);
    box->horizontalScrollBar()->setSliderPosition(800);
    EXPECT_EQ(box->horizontalScroll(), 800) << "the thumb reaches the longest line's end";
    // Deleting the long line shrinks the range again, and the view with it.
    box->SetSelection(2, 803, true);
    QTest::keyClick(box.get(), Qt::Key_Delete);
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 704) << "a tab and 700 letters";
    EXPECT_LE(box->horizontalScroll(), 704);
}

TEST_F(EditBoxScrolling, ReleasingTheButtonOutsideStopsTheAutoScroll) {
    setText(numberedLines(300));
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, cellLeft(1, 1));
    const QPoint below(cellLeft(1, 0).x(), box->viewport()->height() + 20);
    moveMouse(below, Qt::LeftButton);
    waitUntil([this] { return box->topLine() > 0; });
    const int scrolledTo = box->topLine();
    EXPECT_GT(scrolledTo, 0) << "the view scrolls while the mouse is below";
    EXPECT_GT(selection().caret, box->model().LineStart(scrolledTo))
        << "the selection follows the scrolled text";
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, below);
    letEventsRun(200);
    EXPECT_EQ(box->topLine(), scrolledTo);
}

TEST_F(EditBoxScrolling, LargeSingleLineAndManyLinesPaintWithoutTrouble) {
    setText(std::string(TextModel::Capacity, 'w'));
    box->SetSelection(TextModel::Capacity, TextModel::Capacity, true);
    QTest::keyClick(box.get(), Qt::Key_End);
    EXPECT_TRUE(caretIsVisible(*box)) << "the end of a 1 MB line is shown";
    EXPECT_FALSE(render().isNull());
    std::string manyLines;
    for (int i = 0; i < 100000; ++i) {
        manyLines += "ab\n";
    }
    setText(manyLines);
    box->verticalScrollBar()->setSliderPosition(1000);
    EXPECT_EQ(box->topLine(), 100000) << "the empty line after the last line feed";
    EXPECT_FALSE(render().isNull());
}

} // namespace
