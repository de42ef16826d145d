#include "EditBoxFixture.h"
#include "editor/FindReplace.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

class EditBoxClipboard : public EditBoxFixture {
protected:
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    static void setClipboardText(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
    }
#ifdef Q_OS_WIN
    static constexpr const char* LineEnd = "\r\n";
#else
    static constexpr const char* LineEnd = "\n";
#endif
};

TEST_F(EditBoxClipboard, LinesGoOutWithThePlatformsLineEndAndComeBackWithLineFeeds) {
    setText("a\nb");
    box->SetSelection(0, 3, true);
    QTest::keyClick(box.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboardText(), QString("a") + LineEnd + "b");
    box->SetSelection(3, 3, true);
    QTest::keyClick(box.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(), "a\nba\nb");
    EXPECT_EQ(selection().caret, 6);
}

TEST_F(EditBoxClipboard, PastedCarriageReturnsAreDropped) {
    setText("");
    setClipboardText("x\r\ny\rz");
    box->Paste();
    EXPECT_EQ(text(), "x\nyz");
}

TEST_F(EditBoxClipboard, CopyWithoutSelectionTakesTheWholeLine) {
    setText("first\nsecond");
    box->SetSelection(2, 2, true);
    box->Copy();
    EXPECT_EQ(clipboardText(), QString("first") + LineEnd);
    box->SetSelection(8, 8, true);
    box->Copy();
    EXPECT_EQ(clipboardText(), QString("second")) << "the last line has no line feed";
}

TEST_F(EditBoxClipboard, CopyWithUseMarksTakesEveryMarkFollowedByALineEnd) {
    setText("one two three");
    box->AddMark({CMarkRecord::KindUser, 0, 3, attrIndex(Attr::Mark), "Marked by User", nullptr});
    box->AddMark({CMarkRecord::KindUser, 8, 13, attrIndex(Attr::Mark), "Marked by User", nullptr});
    useMarks = true;
    box->Copy();
    EXPECT_EQ(clipboardText(), QString("one") + LineEnd + "three" + LineEnd);
}

TEST_F(EditBoxClipboard, DeleteWithUseMarksRemovesEveryMarkAndItsText) {
    setText("one two three");
    box->AddMark({CMarkRecord::KindUser, 0, 4, attrIndex(Attr::Mark), "Marked by User", nullptr});
    box->AddMark({CMarkRecord::KindErrorLog, 8, 13, 6, "error", nullptr});
    useMarks = true;
    box->DeleteSelection();
    EXPECT_EQ(text(), "two ");
    EXPECT_TRUE(box->model().marks().empty());
}

TEST_F(EditBoxClipboard, DeleteWithUseMarksTakesTheTextOfMarksThatMovedOntoEachOther) {
    setText("abcabc");
    FindReplace::MarkAll(box->model(), "abc", true);
    ASSERT_EQ(box->model().marks().size(), 2u);
    useMarks = true;
    box->DeleteSelection();
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(box->model().marks().empty());
}

// Each row: the text, its marks, the selection before Delete, and what it
// holds afterwards: its own text, or a collapsed caret before that text.
struct MarkDeleteCase {
    const char* text;
    std::vector<std::pair<int, int>> marks;
    int start;
    int caret;
    const char* left;
    int caretAfter;
};

TEST_F(EditBoxClipboard, DeleteWithUseMarksLeavesTheSelectionInsideTheText) {
    const MarkDeleteCase cases[] = {
        {"one two three", {{0, 4}, {4, 8}}, 8, 13, "three", 0},
        {"one two three", {{0, 4}}, 13, 13, "two three", 9},
        {"one two three", {{4, 8}, {8, 13}}, 0, 3, "one ", 0},
        {"one two three", {{0, 13}}, 2, 5, "", 0},
        {"aXbXc", {{1, 2}, {3, 4}}, 4, 5, "abc", 2},
    };
    useMarks = true;
    for (const MarkDeleteCase& row : cases) {
        SCOPED_TRACE(row.text);
        setText(row.text);
        for (const auto& [start, end] : row.marks) {
            box->AddMark({CMarkRecord::KindUser, start, end, attrIndex(Attr::Mark),
                          "Marked by User", nullptr});
        }
        box->SetSelection(row.start, row.caret, true);
        box->DeleteSelection();
        EXPECT_EQ(text(), row.left);
        EXPECT_EQ(selection().start, row.caretAfter);
        EXPECT_EQ(selection().caret, row.caretAfter);
        EXPECT_LE(selection().caret, box->model().length());
    }
}

TEST_F(EditBoxClipboard, CutTakesTheSelectionAndUndoBringsItBack) {
    setText("hello world");
    box->SetSelection(5, 11, true);
    QTest::keyClick(box.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text(), "hello");
    EXPECT_EQ(clipboardText(), QString(" world"));
    ASSERT_TRUE(box->Undo());
    EXPECT_EQ(text(), "hello world");
}

TEST_F(EditBoxClipboard, CutWithoutSelectionKeepsTheClipboard) {
    setText("abc");
    setClipboardText("kept");
    box->Cut();
    EXPECT_EQ(clipboardText(), QString("kept"));
    EXPECT_EQ(text(), "abc");
}

TEST_F(EditBoxClipboard, UndoOfAPasteRestoresTheSelectedText) {
    setText("abcdef");
    setClipboardText("XY");
    box->SetSelection(1, 4, true);
    box->Paste();
    EXPECT_EQ(text(), "aXYef");
    ASSERT_TRUE(box->Undo());
    EXPECT_EQ(text(), "abcdef");
    EXPECT_EQ(selection().start, 1);
    EXPECT_EQ(selection().caret, 4);
}

TEST_F(EditBoxClipboard, APasteThatDoesNotFitIsRefusedWholeWithAMessage) {
    setText(std::string(TextModel::Capacity - 3, 'x'));
    box->SetSelection(0, 0, true);
    setClipboardText("1234");
    box->Paste();
    EXPECT_EQ(box->model().length(), TextModel::Capacity - 3);
    EXPECT_EQ(text().find('1'), std::string::npos);
    ASSERT_EQ(messages.size(), 1u);
    setClipboardText("123");
    box->Paste();
    EXPECT_EQ(box->model().length(), TextModel::Capacity);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(EditBoxClipboard, PlainTextCopyDropsMarkupButNotQuotedBrackets) {
    setText("<a href=\"x>y\">link</a> after");
    box->SelectAll();
    box->CopyPlainText();
    EXPECT_EQ(clipboardText(), QString("link after"));
}

TEST_F(EditBoxClipboard, BytesThatAreNotUtf8SurviveACopyAndPasteInside) {
    setText(std::string("a\xFF\x00z", 4));
    box->SelectAll();
    box->Copy();
    EXPECT_EQ(clipboardText(), QString::fromLatin1("a\xFF") + QChar(0) + "z");
    box->SetSelection(4, 4, true);
    box->Paste();
    EXPECT_EQ(text(), std::string("a\xFF\x00za\xFF\x00z", 8));
}

TEST_F(EditBoxClipboard, TextFromOtherProgramsArrivesAsUtf8) {
    setText("");
    setClipboardText(QString::fromUtf8("é"));
    box->Paste();
    EXPECT_EQ(text(), "\xC3\xA9");
}

} // namespace
