// Sessions through a real settings file, and recovery texts in a real
// folder beside it.
#include "AppFixture.h"
#include "app/RecoveryFile.h"
#include "app/qt/ProjectCommands.h"
#include "app/qt/RecoveryKeeper.h"
#include "project/CProject.h"

#include <QDir>
#include <QScrollBar>
#include <algorithm>
#include <fstream>
#include <memory>

namespace {

std::string numberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "<P>line " + std::to_string(i) + "</P>\n";
    }
    return text;
}

class SessionAndRecovery : public AppFixture {
protected:
    // The next start of the program over the same settings file and
    // recovery folder.
    std::unique_ptr<TestApp> restart(const QStringList& arguments = {},
                                     std::deque<bool> answers = {}) {
        auto next = std::make_unique<TestApp>(configPath());
        next->fakes->yesNoAnswers = std::move(answers);
        next->startFrom(TAGWRIGHT_BUILD_DATA_DIR "/", arguments);
        QApplication::processEvents();
        return next;
    }
    static std::vector<CChildWin*> documentsOf(TestApp& app) {
        std::vector<CChildWin*> documents;
        for (const auto& [widget, kind] : app.mainWindow()->windowList()) {
            if (auto* document = qobject_cast<CChildWin*>(widget)) {
                documents.push_back(document);
            }
        }
        return documents;
    }
    std::string projectFile() {
        files_.write("site/index.html", "<P>home</P>\n");
        return files_
            .write("site/site.prj", "NAME: Site\r\nPATH: x\r\nSAVEPASSWORD: NO\r\nAUTOUPDATE: "
                                    "NO\r\n{\r\nindex.html\r\n}\r\n")
            .string();
    }
    QString recoveryRoot() const { return QString::fromStdString(config_.path("recovery")); }
    QStringList recoveryTexts() const {
        return QDir(app_.recovery()->folder())
            .entryList({QStringLiteral("*.recovery")}, QDir::Files, QDir::Name);
    }
    // What a program killed while it kept text would leave behind.
    void leaveAbandonedText(int number, const std::string& path, const std::string& text) {
        const QString folder = recoveryRoot() + QStringLiteral("/999999");
        QDir().mkpath(folder);
        std::ofstream(QStringLiteral("%1/%2.recovery").arg(folder).arg(number).toStdString(),
                      std::ios::binary)
            << RecoveryFile{path, text}.compose();
    }
};

TEST_F(SessionAndRecovery, DocumentsAndProjectComeBackWithCaretAndScroll) {
    const std::string prj = projectFile();
    ASSERT_TRUE(window()->projects().openProject(prj));
    const auto first = files_.write("a.html", numberedLines(200));
    const auto second = files_.write("b.html", numberedLines(10));
    const auto gone = files_.write("gone.html", "x");
    CChildWin* a = open(first);
    a->editor().setTopLine(120);
    a->editor().SetSelection(2500, 2510, true);
    CChildWin* b = open(second);
    b->editor().SetSelection(30, 30, true);
    open(gone);
    newUntitled(); // nothing to come back to
    activate(a);
    window()->close();
    ASSERT_FALSE(window()->isVisible());
    std::filesystem::remove(gone);

    std::unique_ptr<TestApp> next = restart();
    const std::vector<CChildWin*> reopened = documentsOf(*next);
    ASSERT_EQ(reopened.size(), 2);
    EXPECT_EQ(reopened[0]->path(), first.string());
    EXPECT_EQ(reopened[1]->path(), second.string());
    EXPECT_EQ(reopened[0]->editor().topLine(), 120);
    EXPECT_EQ(reopened[0]->editor().model().GetSelection().start, 2500);
    EXPECT_EQ(reopened[0]->editor().model().GetSelection().caret, 2510);
    EXPECT_EQ(reopened[1]->editor().model().GetSelection().caret, 30);
    EXPECT_EQ(next->mainWindow()->activeDocument(), reopened[0]);
    ASSERT_NE(next->mainWindow()->projects().project(), nullptr);
    EXPECT_EQ(next->mainWindow()->projects().project()->Path, prj);
    EXPECT_TRUE(next->fakes->messages.isEmpty()) << "a missing file is skipped silently";
    EXPECT_TRUE(next->fakes->questions.isEmpty());
}

TEST_F(SessionAndRecovery, AFileArgumentOrTheSettingSwitchedOffStartsWithoutTheSession) {
    const auto first = files_.write("a.html", "a");
    const auto other = files_.write("other.html", "o");
    open(first);
    app_.settings().ReopenSession = 1;
    window()->close();
    EXPECT_EQ(storedSettings().value("Options/ReopenSession").toInt(), 1) << "on by default";

    std::unique_ptr<TestApp> withFile = restart({QString::fromStdString(other.string())});
    ASSERT_EQ(documentsOf(*withFile).size(), 1);
    EXPECT_EQ(documentsOf(*withFile)[0]->path(), other.string());
    withFile.reset();

    {
        QSettings stored(QString::fromStdString(configPath()), QSettings::IniFormat);
        stored.setValue("Options/ReopenSession", 0);
    }
    EXPECT_TRUE(documentsOf(*restart()).empty());
}

TEST_F(SessionAndRecovery, ModifiedTextIsKeptUntilSavedOrClosed) {
    CChildWin* document = open(files_.write("a.html", "<P>a</P>"));
    app_.recovery()->writeModified();
    EXPECT_TRUE(recoveryTexts().isEmpty()) << "an unmodified document needs nothing";
    type(document, "typed ");
    app_.recovery()->writeModified();
    ASSERT_EQ(recoveryTexts().size(), 1);
    const QString kept = QDir(app_.recovery()->folder()).filePath(recoveryTexts()[0]);
    const std::optional<RecoveryFile> file =
        RecoveryFile::parse(TempDir::readFile(kept.toStdString()));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->path, document->path());
    EXPECT_EQ(file->text, "typed <P>a</P>");

    ASSERT_TRUE(document->SaveDocument(false));
    EXPECT_TRUE(recoveryTexts().isEmpty()) << "removed as soon as it is saved";

    type(document, "more ");
    app_.recovery()->writeModified();
    EXPECT_EQ(recoveryTexts().size(), 1);
    services_->answers.push_back(IPlatformServices::Answer::No);
    document->parentWidget()->close();
    ASSERT_EQ(windowCount(), 0);
    EXPECT_TRUE(recoveryTexts().isEmpty()) << "removed when its window closes";
}

TEST_F(SessionAndRecovery, TextsOfAProgramThatDidNotEndAreOfferedBack) {
    const auto page = files_.write("page.html", "<P>on disk</P>");
    leaveAbandonedText(1, page.string(), "<P>typed before the crash</P>");
    leaveAbandonedText(2, "", "never saved");
    const QString abandoned = recoveryRoot() + QStringLiteral("/999999");

    std::unique_ptr<TestApp> next = restart({}, {true});
    EXPECT_EQ(next->fakes->questions, QStringList{"Recover unsaved changes?"});
    std::vector<CChildWin*> documents = documentsOf(*next);
    ASSERT_EQ(documents.size(), 2);
    std::sort(documents.begin(), documents.end(),
              [](CChildWin* x, CChildWin* y) { return x->path() < y->path(); });
    EXPECT_EQ(documents[0]->path(), "");
    EXPECT_EQ(text(documents[0]), "never saved");
    EXPECT_EQ(documents[1]->path(), page.string());
    EXPECT_EQ(text(documents[1]), "<P>typed before the crash</P>");
    EXPECT_TRUE(modified(documents[1]));
    EXPECT_TRUE(documents[1]->editor().Undo()) << "the file's own text is one undo away";
    EXPECT_EQ(text(documents[1]), "<P>on disk</P>");
    EXPECT_FALSE(QDir(abandoned).exists()) << "offered once only";
}

TEST_F(SessionAndRecovery, DeclinedTextsAreDroppedAndARunningProgramsAreLeftAlone) {
    type(newUntitled(), "still running");
    app_.recovery()->writeModified();
    leaveAbandonedText(1, "", "old");
    std::unique_ptr<TestApp> next = restart({}, {false});
    EXPECT_EQ(next->fakes->questions, QStringList{"Recover unsaved changes?"});
    EXPECT_TRUE(documentsOf(*next).empty());
    EXPECT_FALSE(QDir(recoveryRoot() + QStringLiteral("/999999")).exists());
    EXPECT_EQ(recoveryTexts().size(), 1) << "the running program's text stays";
    next.reset();
    // A program killed during its first write leaves only a temporary file.
    const QString cutShort = recoveryRoot() + QStringLiteral("/888888");
    QDir().mkpath(cutShort);
    std::ofstream((cutShort + "/.tagwright-888888-0.tmp").toStdString()) << "half";
    std::unique_ptr<TestApp> third = restart();
    EXPECT_TRUE(third->fakes->questions.isEmpty());
    EXPECT_FALSE(QDir(cutShort).exists());
}

TEST_F(SessionAndRecovery, TheIntervalIsThirtySecondsUnlessATestSetsIt) {
    EXPECT_EQ(app_.recovery()->interval(), RecoveryKeeper::DefaultInterval);
    EXPECT_EQ(RecoveryKeeper::DefaultInterval, 30000);
    qputenv(RecoveryKeeper::IntervalVariable, "250");
    RecoveryKeeper shortened(recoveryRoot() + QStringLiteral("/short"));
    qunsetenv(RecoveryKeeper::IntervalVariable);
    EXPECT_EQ(shortened.interval(), 250);
}

} // namespace
