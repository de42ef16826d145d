#include "editor/qt/CFindDlg.h"

#include "EditBoxFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <deque>

namespace {

// A Find dialog over the fixture's editor, with the question and the
// messages answered by the test.
class FindDialog : public EditBoxFixture {
protected:
    void SetUp() override {
        EditBoxFixture::SetUp();
        dialog = makeDialog([this] { return activeEditor; });
        dialog->setStatusReporter(
            [this](const QString& text) { statusLines.push_back(text.toStdString()); });
        dialog->setBeep([this] { ++beeps; });
        dialog->show();
    }

    std::unique_ptr<CFindDlg> makeDialog(CFindDlg::EditorSource source) {
        return std::make_unique<CFindDlg>(
            std::move(source), rememberedFind, rememberedReplace,
            [this](const QString& text, const QString& caption) {
                questions.push_back((caption + ": " + text).toStdString());
                if (onQuestion) {
                    onQuestion();
                }
                if (answers.empty()) {
                    return ReplaceAnswer::Cancel;
                }
                const ReplaceAnswer answer = answers.front();
                answers.pop_front();
                return answer;
            },
            [this](const QString& text, const QString& caption) {
                dialogMessages.push_back((caption + ": " + text).toStdString());
            });
    }

    void setField(const char* name, const QString& text) {
        auto* field = dialog->findChild<QLineEdit*>(name);
        ASSERT_NE(field, nullptr) << name;
        field->setText(text);
    }

    void check(const char* name) {
        auto* box = dialog->findChild<QCheckBox*>(name);
        ASSERT_NE(box, nullptr) << name;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        ASSERT_TRUE(box->isChecked());
    }

    void clickButton(const char* name) {
        auto* button = dialog->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::string selectedText() const { return box->model().GetSelectedText(); }

    CMyEditBox* activeEditor = nullptr;
    std::string rememberedFind;
    std::string rememberedReplace;
    std::deque<ReplaceAnswer> answers;
    std::vector<std::string> questions;
    std::vector<std::string> dialogMessages;
    std::function<void()> onQuestion;
    std::vector<std::string> statusLines;
    int beeps = 0;
    std::unique_ptr<CFindDlg> dialog;
};

TEST_F(FindDialog, AFailedSearchSaysSoInTheStatusBarAndBeeps) {
    activeEditor = box.get();
    setText("one abc");
    setField("findEdit", "abc");
    clickButton("findNextButton");
    EXPECT_TRUE(statusLines.empty());
    EXPECT_EQ(beeps, 0);
    clickButton("findNextButton");
    EXPECT_EQ(statusLines, std::vector<std::string>{"Not found: abc"});
    EXPECT_EQ(beeps, 1);
    clickButton("findPrevButton"); // finds nothing before offset 4 either
    setField("findEdit", "\xC3\xA9t\xC3\xA9");
    clickButton("findPrevButton");
    EXPECT_EQ(statusLines, (std::vector<std::string>{"Not found: abc", "Not found: abc",
                                                     "Not found: \xC3\xA9t\xC3\xA9"}));
    EXPECT_EQ(beeps, 3);
    EXPECT_TRUE(dialogMessages.empty()) << "no message box for a failed search";
}

TEST_F(FindDialog, ReplaceAllCountsItsReplacementsInTheStatusBar) {
    activeEditor = box.get();
    setField("replaceEdit", "b");
    for (const auto& [content, shown] :
         std::vector<std::pair<std::string, std::string>>{{"xa-a-a", "Replaced 3 occurrences"},
                                                          {"xa", "Replaced 1 occurrence"},
                                                          {"xyz", "Replaced 0 occurrences"}}) {
        setText(content);
        setField("findEdit", "a");
        statusLines.clear();
        clickButton("replaceAllButton");
        EXPECT_EQ(statusLines, std::vector<std::string>{shown}) << content;
    }
    EXPECT_EQ(beeps, 0);
}

TEST_F(FindDialog, ShowsItsCaptionLabelsAndButtons) {
    EXPECT_EQ(dialog->windowTitle(), QString("Find"));
    EXPECT_FALSE(dialog->isModal());
    QStringList labels;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* label : {"Find:", "Replace:", "Add Before:", "Add After:"}) {
        EXPECT_TRUE(labels.contains(label)) << label;
    }
    QStringList buttons;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
        buttons << button->text();
    }
    for (const char* text : {"Find Next", "Find Prev", "Replace", "Replace All", "Mark All",
                             "Replace Marks", "Exit"}) {
        EXPECT_TRUE(buttons.contains(text)) << text;
    }
    EXPECT_TRUE(dialog->findChild<QPushButton*>("findNextButton")->isDefault());
    EXPECT_EQ(dialog->findChild<QCheckBox*>("promptCheck")->text(),
              QString("Prompt before replacing"));
    EXPECT_EQ(dialog->findChild<QCheckBox*>("caseCheck")->text(), QString("Case Sensitive"));
}

TEST_F(FindDialog, FindNextAndPrevStepThroughTheMatches) {
    activeEditor = box.get();
    setText("xabcabc");
    setField("findEdit", "abc");
    clickButton("findNextButton");
    EXPECT_EQ(selection().start, 1);
    EXPECT_EQ(selection().caret, 4);
    clickButton("findNextButton");
    EXPECT_EQ(selection().start, 4);
    EXPECT_EQ(selection().caret, 7);
    clickButton("findNextButton");
    EXPECT_EQ(selection().start, 4) << "no further match: nothing changes";
    clickButton("findPrevButton");
    EXPECT_EQ(selection().start, 1);
    EXPECT_EQ(rememberedFind, "abc");
    EXPECT_TRUE(dialogMessages.empty());
}

TEST_F(FindDialog, ReturnInTheFindFieldIsFindNext) {
    activeEditor = box.get();
    setText("xabcabc");
    setField("findEdit", "abc");
    auto* field = dialog->findChild<QLineEdit*>("findEdit");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(selection().start, 1);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(selection().start, 4);
}

TEST_F(FindDialog, CaseSensitiveCheckBoxDecidesWhetherCapitalsMatch) {
    activeEditor = box.get();
    setText("say HELLO");
    setField("findEdit", "hello");
    clickButton("findNextButton");
    EXPECT_EQ(selectedText(), "HELLO");
    box->SetSelection(0, 0, true);
    check("caseCheck");
    clickButton("findNextButton");
    EXPECT_EQ(selection().caret, 0);
}

TEST_F(FindDialog, ReplaceAllOfAByAaEnds) {
    activeEditor = box.get();
    setText("xaaa");
    box->SetSelection(0, 1, true);
    setField("findEdit", "a");
    setField("replaceEdit", "aa");
    clickButton("replaceAllButton");
    EXPECT_EQ(text(), "xaaaaaa");
    EXPECT_EQ(selection().start, 0) << "the selection is restored";
    EXPECT_EQ(selection().caret, 1);
    EXPECT_EQ(rememberedReplace, "aa");
    EXPECT_TRUE(questions.empty());
}

TEST_F(FindDialog, PromptedReplaceAllStopsAtCancel) {
    activeEditor = box.get();
    setText("a-a-a");
    setField("findEdit", "a");
    setField("replaceEdit", "b");
    check("promptCheck");
    answers = {ReplaceAnswer::Yes, ReplaceAnswer::Cancel};
    std::vector<std::string> shown;
    onQuestion = [&] { shown.push_back(selectedText() + "@" + std::to_string(selection().start)); };
    clickButton("replaceAllButton");
    EXPECT_EQ(text(), "b-a-a");
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0], "Find: Replace this?");
    EXPECT_EQ(shown, (std::vector<std::string>{"a@0", "a@2"})) << "each match shown when asked";
}

TEST_F(FindDialog, PromptedReplaceAllSkipsOnNo) {
    activeEditor = box.get();
    setText("a-a-a");
    setField("findEdit", "a");
    setField("replaceEdit", "b");
    check("promptCheck");
    answers = {ReplaceAnswer::No, ReplaceAnswer::Yes, ReplaceAnswer::No};
    clickButton("replaceAllButton");
    EXPECT_EQ(text(), "a-b-a");
    EXPECT_EQ(questions.size(), 3u);
}

TEST_F(FindDialog, ReplaceAllIsUndoneAndRedoneWholeAndKeepsTheSelectionOnItsText) {
    activeEditor = box.get();
    setText("one two one");
    box->SetSelection(4, 7, true);
    setField("findEdit", "one");
    setField("replaceEdit", "1");
    clickButton("replaceAllButton");
    EXPECT_EQ(text(), "1 two 1");
    EXPECT_EQ(selectedText(), "two") << "the selection follows its text";
    ASSERT_TRUE(box->Undo());
    EXPECT_EQ(text(), "one two one");
    EXPECT_EQ(selection().start, 4);
    EXPECT_EQ(selection().caret, 7);
    ASSERT_TRUE(box->Redo());
    EXPECT_EQ(text(), "1 two 1");
}

TEST_F(FindDialog, PromptedReplaceAllEndsWithTheSelectionOnItsText) {
    activeEditor = box.get();
    setText("a-b-a-a");
    box->SetSelection(2, 3, true);
    setField("findEdit", "a");
    setField("replaceEdit", "xyz");
    check("promptCheck");
    answers = {ReplaceAnswer::Yes, ReplaceAnswer::No, ReplaceAnswer::Cancel};
    clickButton("replaceAllButton");
    EXPECT_EQ(text(), "xyz-b-a-a");
    EXPECT_EQ(selectedText(), "b") << "also after No and Cancel";
}

TEST_F(FindDialog, MarkAllTwiceGivesDuplicateFindMarks) {
    activeEditor = box.get();
    setText("ab xx ab");
    box->SetSelection(3, 5, true);
    setField("findEdit", "ab");
    clickButton("markAllButton");
    clickButton("markAllButton");
    ASSERT_EQ(box->model().marks().size(), 4u);
    EXPECT_EQ(box->model().marks()[0].start, 0) << "a match at offset 0 is marked";
    EXPECT_EQ(box->model().marks()[3].start, 6);
    EXPECT_EQ(box->model().marks()[0].reason, "Marked by Find Command");
    EXPECT_EQ(selection().start, 3);
    EXPECT_EQ(selection().caret, 5);
    EXPECT_EQ(box->tagInfoAt(1), QString("Marked by Find Command"));
}

TEST_F(FindDialog, ReplaceMarksWrapsEachMarkInBoldAndKeepsItOverItsText) {
    activeEditor = box.get();
    setText("one two three");
    box->SetSelection(0, 3, true);
    box->MarkSelection();
    box->SetSelection(8, 13, true);
    box->MarkSelection();
    setField("addBeforeEdit", "<B>");
    setField("addAfterEdit", "</B>");
    setField("replaceEdit", "");
    clickButton("replaceMarksButton");
    EXPECT_EQ(text(), "<B>one</B> two <B>three</B>");
    const auto& marks = box->model().marks();
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(box->model().GetRangeText(marks[0].start, marks[0].end), "one");
    EXPECT_EQ(box->model().GetRangeText(marks[1].start, marks[1].end), "three");
}

TEST_F(FindDialog, ReplaceReplacesTheSelectionAndSelectsTheNewText) {
    activeEditor = box.get();
    setText("find me");
    setField("findEdit", "me");
    setField("replaceEdit", "you");
    clickButton("findNextButton");
    clickButton("replaceButton");
    EXPECT_EQ(text(), "find you");
    EXPECT_EQ(selectedText(), "you");
    EXPECT_EQ(rememberedReplace, "you");
    ASSERT_TRUE(box->Undo());
    EXPECT_EQ(text(), "find me");
    EXPECT_EQ(selectedText(), "me");
}

TEST_F(FindDialog, ReplaceThatShortensTheTextKeepsTheSelectionInside) {
    activeEditor = box.get();
    setText("abcdef");
    box->SetSelection(2, 6, true);
    setField("replaceEdit", "");
    clickButton("replaceButton");
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ(selection().start, 2);
    EXPECT_EQ(selection().caret, 2);
}

TEST_F(FindDialog, EmptyFindTextDoesNothing) {
    activeEditor = box.get();
    setText("abc");
    box->SetSelection(1, 2, true);
    setField("findEdit", "");
    setField("replaceEdit", "x");
    clickButton("findNextButton");
    clickButton("replaceAllButton");
    clickButton("markAllButton");
    EXPECT_EQ(text(), "abc");
    EXPECT_EQ(selection().start, 1);
    EXPECT_TRUE(box->model().marks().empty());
    EXPECT_TRUE(dialogMessages.empty());
}

TEST_F(FindDialog, FindTextLongerThan255BytesIsRefusedWithAMessage) {
    activeEditor = box.get();
    const std::string longText(256, 'q');
    setText("x" + longText);
    setField("findEdit", QString::fromStdString(longText));
    clickButton("findNextButton");
    ASSERT_EQ(dialogMessages.size(), 1u);
    EXPECT_EQ(dialogMessages[0], std::string("Find: ") + CFindDlg::FindTextTooLong);
    EXPECT_EQ(selection().caret, 0);
    setField("replaceEdit", "y");
    clickButton("replaceAllButton");
    EXPECT_EQ(dialogMessages.size(), 2u);
    EXPECT_EQ(text(), "x" + longText);
    setField("findEdit", QString::fromStdString(longText.substr(1)));
    clickButton("findNextButton");
    EXPECT_EQ(selection().caret, 256) << "255 bytes are searched";
}

TEST_F(FindDialog, WithoutADocumentWindowEveryButtonDoesNothing) {
    activeEditor = nullptr;
    setText("abc abc");
    box->MarkSelection();
    setField("findEdit", "abc");
    setField("replaceEdit", "x");
    setField("addBeforeEdit", "<");
    for (const char* name : {"findNextButton", "findPrevButton", "replaceButton",
                             "replaceAllButton", "markAllButton", "replaceMarksButton"}) {
        clickButton(name);
    }
    EXPECT_EQ(text(), "abc abc");
    EXPECT_EQ(box->model().marks().size(), 1u);
    EXPECT_EQ(selection().caret, 0);
}

TEST_F(FindDialog, EachClickActsOnTheEditorActiveAtThatMoment) {
    CMyEditBox other(settings, tags, worker);
    other.model().ReplaceRange(0, 0, "zz abc");
    activeEditor = box.get();
    setText("abc");
    setField("findEdit", "abc");
    setField("replaceEdit", "X");
    clickButton("replaceAllButton");
    activeEditor = &other;
    clickButton("markAllButton");
    EXPECT_EQ(text(), "X");
    EXPECT_EQ(other.model().text(), "zz abc");
    ASSERT_EQ(other.model().marks().size(), 1u);
    EXPECT_TRUE(box->model().marks().empty());
}

TEST_F(FindDialog, TheDocumentClosingDuringTheQuestionEndsReplaceAllHarmlessly) {
    activeEditor = box.get();
    setText("a a a");
    setField("findEdit", "a");
    setField("replaceEdit", "b");
    check("promptCheck");
    answers = {ReplaceAnswer::Yes, ReplaceAnswer::Yes, ReplaceAnswer::Yes};
    onQuestion = [this] {
        if (questions.size() == 2) {
            activeEditor = nullptr;
            box.reset();
        }
    };
    clickButton("replaceAllButton");
    EXPECT_EQ(box, nullptr);
    EXPECT_EQ(questions.size(), 2u) << "no question after the document went";
    clickButton("findNextButton");
}

TEST_F(FindDialog, RememberedTextsFillANewDialogAndASelectionBecomesTheFindText) {
    activeEditor = box.get();
    setText("pick this");
    setField("findEdit", "pick");
    setField("replaceEdit", "take");
    clickButton("replaceAllButton");
    dialog = makeDialog([this] { return activeEditor; });
    dialog->show();
    EXPECT_EQ(dialog->findChild<QLineEdit*>("findEdit")->text(), QString("pick"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>("replaceEdit")->text(), QString("take"));
    box->SetSelection(5, 9, true);
    dialog->takeSelectionAsFindText();
    EXPECT_EQ(rememberedFind, "this");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("findEdit")->text(), QString("this"));
}

TEST_F(FindDialog, ExitClosesTheDialog) {
    ASSERT_TRUE(dialog->isVisible());
    clickButton("exitButton");
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
