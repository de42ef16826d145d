#include "AppFixture.h"
#include "app/CommandIds.h"
#include "app/ErrorLogLines.h"
#include "app/qt/CErrorWin.h"
#include "app/qt/ErrorLogs.h"
#include "cli/CheckRunner.h"

#include <QListView>
#include <QMenuBar>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string pageName(int number) {
    std::ostringstream name;
    name << "p" << number << ".html";
    return name.str();
}

// The page of several kinds of fault the checker's own tests use.
std::string errorsPage() {
    return TempDir::readFile(fs::path(TAGWRIGHT_TEST_DATA_DIR) / "errors.html");
}

class ErrorLogTest : public AppFixture {
protected:
    // The Error Logs in creation order.
    std::vector<CErrorWin*> logs() {
        std::vector<CErrorWin*> found;
        for (const auto& [widget, kind] : window()->windowList()) {
            if (auto* log = qobject_cast<CErrorWin*>(widget)) {
                EXPECT_EQ(kind, CMainWin::kErrorLogKind);
                found.push_back(log);
            }
        }
        return found;
    }
    CErrorWin* latestLog() {
        const auto all = logs();
        return all.empty() ? nullptr : all.back();
    }
    bool finished(CErrorWin* log) {
        return waitUntil([log] { return !log->isChecking(); });
    }
    // Presses Alt+C in the document and waits for the run it starts.
    CErrorWin* checkCode(CChildWin* document) {
        const std::size_t before = logs().size();
        key(document, Qt::Key_C, Qt::AltModifier);
        if (logs().size() == before) {
            return nullptr;
        }
        CErrorWin* log = latestLog();
        EXPECT_TRUE(finished(log));
        settle();
        return log;
    }
    static std::vector<std::string> logText(const CErrorWin* log) {
        std::vector<std::string> rows;
        const ErrorLogLines& lines = *log->lines();
        for (std::size_t row = 0; row < lines.size(); ++row) {
            const CErrorLine& line = lines.at(row).line();
            rows.push_back(std::to_string(line.start) + "\t" + std::to_string(line.end) + "\t" +
                           line.path + "\t" + line.message);
        }
        return rows;
    }
    static std::string selected(CChildWin* document) {
        const Selection selection = document->editor().model().GetSelection();
        return text(document).substr(selection.start, selection.caret - selection.start);
    }
    // The first row whose message is message.
    static std::size_t rowOf(const CErrorWin* log, const std::string& message) {
        const ErrorLogLines& lines = *log->lines();
        for (std::size_t row = 0; row < lines.size(); ++row) {
            if (lines.at(row).message() == message) {
                return row;
            }
        }
        ADD_FAILURE() << "no line " << message;
        return 0;
    }
    void doubleClick(CErrorWin* log, std::size_t row) {
        QListView* list = log->list();
        const QModelIndex index = list->model()->index(static_cast<int>(row), 0);
        list->scrollTo(index);
        const QPoint point = list->visualRect(index).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
        settle();
    }
    void pressReturn(CErrorWin* log, std::size_t row) {
        log->setCurrentRow(row);
        log->list()->setFocus();
        QTest::keyClick(log->list(), Qt::Key_Return);
        settle();
    }
    static std::vector<const CMarkRecord*> errorMarks(CChildWin* document) {
        std::vector<const CMarkRecord*> marks;
        for (const CMarkRecord& mark : document->editor().model().marks()) {
            if (mark.kind == CMarkRecord::KindErrorLog) {
                marks.push_back(&mark);
            }
        }
        return marks;
    }
};

} // namespace

// --- the run ------------------------------------------------------------------

TEST_F(ErrorLogTest, CheckCodeLogsWhatTheCommandLineCheckerPrints) {
    const fs::path page = files_.write("page.html", errorsPage());
    CChildWin* document = open(page);
    ASSERT_NE(document, nullptr);

    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);

    CheckRunner checker(config_);
    const std::string data = TAGWRIGHT_BUILD_DATA_DIR "/Data/";
    checker.run({"--tags", data + "Tags.txt", "--colors", data + "Colors.txt", "--format", "log",
                 page.string()});
    std::vector<std::string> expected;
    std::istringstream printed(checker.out);
    for (std::string line; std::getline(printed, line);) {
        expected.push_back(line);
    }
    ASSERT_GT(expected.size(), 10U) << checker.err;
    EXPECT_EQ(logText(log), expected);
    EXPECT_EQ(log->list()->model()->rowCount(), static_cast<int>(expected.size()));
    EXPECT_EQ(log->windowTitle(), QStringLiteral("Error Log"));
    EXPECT_EQ(log->files(), std::vector<std::string>{page.string()});
    EXPECT_EQ(window()->mdiArea()->activeSubWindow()->widget(), log);
}

TEST_F(ErrorLogTest, CheckCodeSavesTheDocumentFirst) {
    const fs::path page = files_.write("page.html", "<p>text</p>\n");
    CChildWin* document = open(page);
    ASSERT_NE(document, nullptr);
    type(document, "<zorg>");

    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(files_.read("page.html"), "<zorg><p>text</p>\n");
    EXPECT_FALSE(modified(document));
    EXPECT_EQ(log->lines()->at(2).message(), "ZORG is an unknown tag");
}

TEST_F(ErrorLogTest, CheckCodeOnAnUntitledDocumentWithTheSaveCancelledDoesNothing) {
    CChildWin* document = newUntitled();
    type(document, "<zorg>x");

    EXPECT_EQ(checkCode(document), nullptr);
    EXPECT_EQ(services_->saveDialogs, 1);
    EXPECT_TRUE(services_->messages.isEmpty());
    EXPECT_EQ(windowCount(), 1);
    EXPECT_TRUE(modified(document));
}

TEST_F(ErrorLogTest, CheckCodeIsOnlyForAnActiveDocument) {
    EXPECT_FALSE(refreshed(Cmd::CheckCode)->isEnabled());
    CChildWin* document = open(files_.write("page.html", "<p>x</p>\n"));
    EXPECT_TRUE(refreshed(Cmd::CheckCode)->isEnabled());
    EXPECT_TRUE(refreshed(Cmd::Check)->isEnabled());

    ASSERT_NE(checkCode(document), nullptr);
    // The log is active now: its menu bar has no Edit, Format or Insert,
    // and there is no document to check.
    QStringList titles;
    for (QAction* menu : window()->menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_TRUE(titles.contains("&File"));
    EXPECT_TRUE(titles.contains("&Window"));
    for (const char* documentMenu : {"&Edit", "Fo&rmat", "&Insert"}) {
        EXPECT_FALSE(titles.contains(documentMenu)) << documentMenu;
    }
    EXPECT_FALSE(refreshed(Cmd::CheckCode)->isEnabled());
}

TEST_F(ErrorLogTest, AFileThatCannotBeReadStopsTheRunAndKeepsTheLinesBefore) {
    const std::string good = files_.write("good.html", "<zorg>\n").string();
    const std::string gone = files_.path("gone.html");
    const std::string later = files_.write("later.html", "<p>x</p>\n").string();

    CErrorWin* log = window()->errorLogs().startRun({good, gone, later});
    ASSERT_TRUE(finished(log));
    settle();

    EXPECT_EQ(services_->messages, QStringList{"I/O Error"});
    EXPECT_TRUE(services_->details.front().contains(QString::fromStdString(gone)));
    const std::vector<std::string> rows = logText(log);
    ASSERT_EQ(rows.size(), 5U);
    EXPECT_EQ(rows[2], "1\t5\t" + good + "\tZORG is an unknown tag");
    EXPECT_EQ(rows[4], "0\t0\t\t");
}

// --- the lines and their marks ------------------------------------------------

TEST_F(ErrorLogTest, TheRunMarksTheErrorsInTheOpenDocument) {
    CChildWin* document = open(files_.write("page.html", "<p>\n<zorg>x</zorg>\n"));
    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);

    const auto marks = errorMarks(document);
    ASSERT_EQ(marks.size(), 2U);
    EXPECT_EQ(text(document).substr(marks[0]->start, marks[0]->end - marks[0]->start), "zorg");
    EXPECT_EQ(marks[0]->colour, ErrorLogLines::MarkColour);
    EXPECT_EQ(marks[0]->reason, "ZORG is an unknown tag");
    EXPECT_EQ(marks[0]->link, &log->lines()->at(rowOf(log, "ZORG is an unknown tag")));
    EXPECT_EQ(document->editor().model().attributes()[marks[0]->start],
              static_cast<std::uint8_t>(ErrorLogLines::MarkColour));
}

enum class Choose { DoubleClick, Return };

class ChooseLineTest : public ErrorLogTest, public ::testing::WithParamInterface<Choose> {
protected:
    void choose(CErrorWin* log, std::size_t row) {
        if (GetParam() == Choose::DoubleClick) {
            doubleClick(log, row);
        } else {
            pressReturn(log, row);
        }
    }
};

TEST_P(ChooseLineTest, SelectsTheSpanInTheDocument) {
    CChildWin* document = open(files_.write("page.html", errorsPage()));
    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);

    choose(log, rowOf(log, "</DIV> found before <DIV>"));
    EXPECT_EQ(window()->activeDocument(), document);
    EXPECT_EQ(QApplication::focusWidget(), &document->editor());
    EXPECT_EQ(selected(document), "/div");
}

TEST_P(ChooseLineTest, AfterTypingAboveTheErrorTheMovedSpanIsSelected) {
    CChildWin* document = open(files_.write("page.html", "<p>\n<zorg>x</zorg>\n"));
    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);

    activate(document);
    document->editor().SetSelection(0, 0, true);
    type(document, "<!-- new -->");
    key(document, Qt::Key_Return);
    choose(log, rowOf(log, "ZORG is an unknown tag"));
    EXPECT_EQ(selected(document), "zorg");
}

TEST_P(ChooseLineTest, ReopensTheFileOfAClosedDocument) {
    const fs::path page = files_.write("page.html", "<p>\n<zorg>x</zorg>\n");
    CChildWin* document = open(page);
    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);
    document->parentWidget()->close();
    settle();

    choose(log, rowOf(log, "ZORG is an unknown tag"));
    CChildWin* reopened = window()->activeDocument();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->path(), page.string());
    EXPECT_EQ(selected(reopened), "zorg");
}

TEST_P(ChooseLineTest, TheSeparatorOrADeletedFileOnlySaysFailedToOpenFile) {
    const fs::path page = files_.write("page.html", "<zorg>\n");
    CChildWin* document = open(page);
    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);
    document->parentWidget()->close();
    settle();
    fs::remove(page);

    choose(log, log->lines()->size() - 1); // the separator
    choose(log, rowOf(log, "ZORG is an unknown tag"));
    EXPECT_EQ(services_->messages, (QStringList{"Failed to open file", "Failed to open file"}));
    EXPECT_EQ(windowCount(), 1);
    EXPECT_TRUE(services_->shellOpened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(ByMouseAndKey, ChooseLineTest,
                         ::testing::Values(Choose::DoubleClick, Choose::Return));

TEST_F(ErrorLogTest, ReturnRightAfterTheRunGoesToTheFirstError) {
    CChildWin* document = open(files_.write("page.html", "<p>\n<zorg>x\n<quux>\n"));
    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), log->list());

    QTest::keyClick(log->list(), Qt::Key_Return);
    settle();
    EXPECT_EQ(window()->activeDocument(), document);
    EXPECT_EQ(selected(document), "zorg");
}

TEST_F(ErrorLogTest, TwoErrorLogsKeepTheirOwnLines) {
    const fs::path page = files_.write("page.html", "<zorg>\n");
    CChildWin* document = open(page);
    CErrorWin* first = checkCode(document);
    ASSERT_NE(first, nullptr);
    activate(document);
    document->editor().SetSelection(0, 0, true);
    type(document, "<quux>");
    CErrorWin* second = checkCode(document);
    ASSERT_NE(second, nullptr);

    EXPECT_NE(first, second);
    EXPECT_EQ(first->lines()->at(2).message(), "ZORG is an unknown tag");
    EXPECT_EQ(first->lines()->size(), 5U);
    EXPECT_EQ(second->lines()->at(2).message(), "QUUX is an unknown tag");
    EXPECT_EQ(second->lines()->size(), 6U);
    EXPECT_EQ(errorMarks(document).size(), 3U);
}

TEST_F(ErrorLogTest, ADocumentOpenedAfterTheRunReceivesTheMarks) {
    const fs::path page = files_.write("page.html", "<zorg>\n");
    CChildWin* document = open(page);
    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);
    document->parentWidget()->close();
    settle();

    CChildWin* reopened = open(page);
    ASSERT_NE(reopened, nullptr);
    const auto marks = errorMarks(reopened);
    ASSERT_EQ(marks.size(), 1U);
    EXPECT_EQ(marks[0]->start, 1);
    EXPECT_EQ(marks[0]->end, 5);
    EXPECT_EQ(marks[0]->link, &log->lines()->at(2));
}

// The marks outlive their log; the records they point at must too.
TEST_F(ErrorLogTest, MarksOfAClosedLogStaySafeToEditAndChoose) {
    const fs::path page = files_.write("page.html", "<p>\n<zorg>x</zorg>\n");
    CChildWin* document = open(page);
    CErrorWin* first = checkCode(document);
    ASSERT_NE(first, nullptr);
    const std::weak_ptr<ErrorLogLines> lines = first->lines();
    activate(document);
    CErrorWin* second = checkCode(document);
    ASSERT_NE(second, nullptr);
    first->parentWidget()->close();
    settle();
    ASSERT_EQ(logs().size(), 1U);
    EXPECT_FALSE(lines.expired());

    // An edit over the marks moves their linked records.
    activate(document);
    document->editor().SetSelection(5, 7, true);
    type(document, "BL");
    doubleClick(second, rowOf(second, "ZORG is an unknown tag"));
    EXPECT_EQ(selected(document), "BLrg");

    services_->answers.push_back(IPlatformServices::Answer::No);
    document->parentWidget()->close();
    EXPECT_EQ(windowCount(), 1);
    EXPECT_TRUE(lines.expired());
}

// --- closing during a run ---------------------------------------------------

class ClosingDuringARunTest : public ErrorLogTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosingDuringARunTest, LeavesNothingBehind) {
    const bool closeLogFirst = GetParam();
    std::string page;
    for (int i = 0; i < 200; ++i) {
        page += "<zorg>x</zorg>\n";
    }
    std::vector<std::string> paths;
    for (int i = 0; i < 500; ++i) {
        paths.push_back(files_.write(pageName(i), page).string());
    }
    CChildWin* document = open(paths.front());
    ASSERT_NE(document, nullptr);
    CErrorWin* log = window()->errorLogs().startRun(paths);
    ASSERT_TRUE(waitUntil([log] { return log->lines()->size() > 10; }));
    ASSERT_TRUE(log->isChecking());

    if (closeLogFirst) {
        log->parentWidget()->close();
        settle();
        document->parentWidget()->close();
    } else {
        document->parentWidget()->close();
        settle();
        log->parentWidget()->close();
    }
    EXPECT_EQ(windowCount(), 0);
    QTest::qWait(50);
    settle();
    EXPECT_TRUE(services_->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EitherOrder, ClosingDuringARunTest, ::testing::Bool());

TEST_F(ErrorLogTest, ClosingTheMainWindowDuringARunEndsPromptly) {
    std::vector<std::string> paths;
    for (int i = 0; i < 500; ++i) {
        paths.push_back(files_.write(pageName(i), std::string(20000, 'x') + "<zorg>\n").string());
    }
    CErrorWin* log = window()->errorLogs().startRun(paths);
    ASSERT_TRUE(log->isChecking());
    EXPECT_TRUE(window()->close());
    EXPECT_EQ(windowCount(), 0);
}

// --- a large log ----------------------------------------------------------------

TEST_F(ErrorLogTest, ALargestDocumentWithAnErrorOnEveryTagFillsTheLog) {
    std::string page;
    for (int i = 0; i < 100000; ++i) {
        page += "<q1>text\n";
    }
    page += std::string(1048574 - page.size(), 'x');
    ASSERT_EQ(page.size(), 1048574U);
    CChildWin* document = open(files_.write("big.html", page));
    ASSERT_NE(document, nullptr);

    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->list()->model()->rowCount(), 100004);
    EXPECT_EQ(log->lines()->at(100002).message(), "Found 100000 errors.");
    EXPECT_EQ(errorMarks(document).size(), 100000U);
    doubleClick(log, 100001);
    EXPECT_EQ(selected(document), "q1");
}

// --- walking the errors from the document ---------------------------------------

TEST_F(ErrorLogTest, NextAndPreviousErrorWalkTheNewestLogAndGoRound) {
    CChildWin* document = open(files_.write("page.html", "<zorg>\n<p>\n<quux>\n<frob>\n"));
    CChildWin* other = open(files_.write("other.html", "<zorg>\n"));
    activate(document);
    EXPECT_FALSE(refreshed(Cmd::NextError)->isEnabled());
    CErrorWin* log = checkCode(document);
    ASSERT_NE(log, nullptr);
    activate(document);
    ASSERT_TRUE(refreshed(Cmd::NextError)->isEnabled());
    ASSERT_TRUE(refreshed(Cmd::PreviousError)->isEnabled());

    std::vector<std::string> walked;
    for (int i = 0; i < 4; ++i) {
        key(document, Qt::Key_F8);
        walked.push_back(selected(document));
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"zorg", "quux", "frob", "zorg"}));
    EXPECT_EQ(log->currentRow(), rowOf(log, "ZORG is an unknown tag"));
    key(document, Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(selected(document), "frob");
    key(document, Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(selected(document), "quux");
    EXPECT_EQ(window()->activeDocument(), document);
    EXPECT_EQ(text(document), "<zorg>\n<p>\n<quux>\n<frob>\n"); // F8 types nothing

    // The log is about page.html only.
    activate(other);
    EXPECT_FALSE(refreshed(Cmd::NextError)->isEnabled());
    key(other, Qt::Key_F8);
    EXPECT_EQ(selected(other), "");
    // Closing the log leaves nothing to walk.
    log->parentWidget()->close();
    activate(document);
    EXPECT_FALSE(refreshed(Cmd::NextError)->isEnabled());
}

TEST_F(ErrorLogTest, NextErrorFollowsTheNewestLogAboutTheDocument) {
    CChildWin* document = open(files_.write("page.html", "<zorg>\n"));
    ASSERT_NE(checkCode(document), nullptr);
    activate(document);
    document->editor().SetSelection(0, 0, true);
    type(document, "<quux>");
    CErrorWin* newer = checkCode(document);
    ASSERT_NE(newer, nullptr);
    activate(document);

    key(document, Qt::Key_F8);
    EXPECT_EQ(selected(document), "quux");
    EXPECT_EQ(newer->currentRow(), 2U);
}
