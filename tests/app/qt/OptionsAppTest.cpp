#include "AppFixture.h"
#include "CaseName.h"
#include "app/CommandIds.h"
#include "app/qt/COptionsDlg.h"
#include "app/qt/OptionsBrowserPage.h"
#include "app/qt/OptionsColorsPage.h"
#include "app/qt/OptionsEditingPage.h"
#include "app/qt/OptionsGeneralPage.h"
#include "html/qt/ListWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>
#include <sys/stat.h>

namespace {

using Answer = std::function<void(COptionsDlg&)>;

// Answers the Options dialog once it is the modal window.
void whenOptionsOpen(Answer answer, int triesLeft = 2000) {
    QTimer::singleShot(1, [answer = std::move(answer), triesLeft]() mutable {
        auto* dialog = qobject_cast<COptionsDlg*>(QApplication::activeModalWidget());
        if (dialog != nullptr) {
            answer(*dialog);
        } else if (triesLeft > 0) {
            whenOptionsOpen(std::move(answer), triesLeft - 1);
        }
    });
}

template <typename Page> Page* show(COptionsDlg& dialog, COptionsDlg::Category category) {
    dialog.selectCategory(category);
    return qobject_cast<Page*>(dialog.page());
}

// Options as a user runs it from the Tools menu, answered by the test.
class OptionsApp : public AppFixture {
protected:
    void runOptions(Answer answer) {
        bool answered = false;
        whenOptionsOpen([&](COptionsDlg& dialog) {
            answered = true;
            answer(dialog);
        });
        ASSERT_TRUE(refreshed(Cmd::Options)->isEnabled());
        action(Cmd::Options)->trigger();
        EXPECT_TRUE(answered);
        // As a window manager would when a dialog closes; shortcuts reach
        // only the active window.
        window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window()));
        settle();
    }
    int storedInt(const char* key) { return storedSettings().value(key, -1).toInt(); }

    std::filesystem::path page(const std::string& content, const std::string& extension = ".html") {
        return files_.write("page" + std::to_string(++pages_) + extension, content);
    }
    static bool anyColoured(const CChildWin* document) {
        for (const std::uint8_t attribute : document->editor().model().attributes()) {
            if (attribute != attrByte(Attr::Default)) {
                return true;
            }
        }
        return false;
    }

    // Pixels near colour in the text cell of offset.
    static int pixelsNear(const CChildWin* document, int offset, const QColor& colour) {
        const CMyEditBox& editor = document->editor();
        const QImage image = editor.viewport()->grab().toImage();
        const ViewPoint cell = editor.OffsetToPoint(offset);
        int count = 0;
        for (int y = cell.y; y < cell.y + editor.lineHeight(); ++y) {
            for (int x = cell.x; x < cell.x + editor.charWidth(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                count += std::abs(pixel.red() - colour.red()) < 40 &&
                         std::abs(pixel.green() - colour.green()) < 40 &&
                         std::abs(pixel.blue() - colour.blue()) < 40;
            }
        }
        return count;
    }

    int pages_ = 0;
};

} // namespace

TEST_F(OptionsApp, SaveChoiceNoWithOkIsStoredAndClosingThenDiscards) {
    runOptions([](COptionsDlg& dialog) {
        show<OptionsGeneralPage>(dialog, COptionsDlg::General)
            ->saveCloseList()
            ->setCurrentText("No");
        dialog.okButton()->click();
    });
    EXPECT_EQ(app_.settings().SaveClose, 0);
    EXPECT_EQ(storedInt("Options/SaveClose"), 0);

    const auto file = page("<P>kept</P>\n");
    CChildWin* document = open(file);
    type(document, "lost");
    document->parentWidget()->close();
    EXPECT_EQ(windowCount(), 0);
    EXPECT_TRUE(services_->questions.isEmpty());
    EXPECT_EQ(TempDir::readFile(file), "<P>kept</P>\n");
}

TEST_F(OptionsApp, ACancelAfterLeavingThePageKeepsTheColourInMemoryOnly) {
    runOptions([](COptionsDlg& dialog) { dialog.okButton()->click(); });
    ASSERT_EQ(storedInt("Options/Color 1"), 0xFF0000);

    services_->picks.push_back(QColor(10, 20, 30));
    runOptions([](COptionsDlg& dialog) {
        show<OptionsColorsPage>(dialog, COptionsDlg::Colors)
            ->chooseButton(CEditorSettings::TagColor)
            ->click();
        dialog.selectCategory(COptionsDlg::Browser);
        dialog.cancelButton()->click();
    });
    EXPECT_EQ(app_.settings().Color[CEditorSettings::TagColor], 0x1E140Au);
    EXPECT_EQ(storedInt("Options/Color 1"), 0xFF0000);

    services_->picks.push_back(QColor(40, 50, 60));
    runOptions([](COptionsDlg& dialog) {
        show<OptionsColorsPage>(dialog, COptionsDlg::Colors)
            ->chooseButton(CEditorSettings::TagColor)
            ->click();
        dialog.cancelButton()->click();
    });
    EXPECT_EQ(app_.settings().Color[CEditorSettings::TagColor], 0x1E140Au)
        << "a Cancel on the same page changes nothing";
}

// Every open editor shows the new colour at once, without a colouring pass
// or a keystroke.
TEST_F(OptionsApp, ANewTagColourRepaintsEveryOpenEditor) {
    CChildWin* first = open(page("<b>x</b>\n"));
    CChildWin* second = open(page("<b>y</b>\n"));
    const QColor blue(0, 0, 255);
    const QColor magenta(255, 0, 255);
    ASSERT_GT(pixelsNear(second, 1, blue), 0);
    services_->picks.push_back(magenta);
    runOptions([](COptionsDlg& dialog) {
        show<OptionsColorsPage>(dialog, COptionsDlg::Colors)
            ->chooseButton(CEditorSettings::TagColor)
            ->click();
        dialog.okButton()->click();
    });
    for (const CChildWin* document : {first, second}) {
        EXPECT_GT(pixelsNear(document, 1, magenta), 0);
        EXPECT_EQ(pixelsNear(document, 1, blue), 0);
        EXPECT_GT(pixelsNear(document, 3, QColor(Qt::black)), 0) << "text keeps its colour";
    }
    EXPECT_EQ(storedInt("Options/Color 1"), 0xFF00FF);
}

namespace {

struct SwitchCase {
    std::string name;
    CEditorSettings::EditingSwitch which;
    // Whether the switch's effect shows in a fresh document now.
    bool (*effectShows)(OptionsApp& test);
};

void PrintTo(const SwitchCase& row, std::ostream* out) {
    *out << row.name;
}

class OptionsSwitch : public OptionsApp, public ::testing::WithParamInterface<SwitchCase> {
public:
    bool colouredOnOpen() { return anyColoured(open(page("<b>x</b>\n"))); }
    bool upperCaseTagNames() {
        return text(open(page("<b class=x>y</b>\n"))).find("<B") != std::string::npos;
    }
    bool upperCaseArguments() {
        return text(open(page("<b class=x>y</b>\n"))).find("CLASS") != std::string::npos;
    }
    bool codeHelperOpens() {
        CChildWin* document = newUntitled();
        type(document, "<ta");
        auto* list = document->editor().viewport()->findChild<ListWindow*>();
        const bool shown = list != nullptr && list->isVisible();
        key(document, Qt::Key_Escape);
        return shown;
    }
    bool showsToolTips() {
        CChildWin* document = open(page("<b>x</b>\n"));
        QWidget* viewport = document->editor().viewport();
        const ViewPoint cell = document->editor().OffsetToPoint(1);
        const QPoint at(cell.x + 1, cell.y + 1);
        QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &help);
        const bool shown = QToolTip::isVisible();
        QToolTip::hideText();
        waitUntil([] { return !QToolTip::isVisible(); });
        return shown;
    }
};

} // namespace

// Each switch is seen working, turned off in the dialog, and then seen not
// working in the next document, keystroke or pass.
TEST_P(OptionsSwitch, TurnedOffTakesEffectAtOnce) {
    app_.settings().Editing.fill(1);
    ASSERT_TRUE(GetParam().effectShows(*this)) << "with the switch on";
    const CEditorSettings::EditingSwitch which = GetParam().which;
    runOptions([which](COptionsDlg& dialog) {
        show<OptionsEditingPage>(dialog, COptionsDlg::Editing)->checkBox(which)->click();
        dialog.okButton()->click();
    });
    EXPECT_FALSE(GetParam().effectShows(*this));
    EXPECT_EQ(storedInt(("Options/Editing " + std::to_string(which)).c_str()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, OptionsSwitch,
    ::testing::Values(
        SwitchCase{"ColorKeyOnOpen", CEditorSettings::ColorKeyOnOpen,
                   [](OptionsApp& t) { return static_cast<OptionsSwitch&>(t).colouredOnOpen(); }},
        SwitchCase{
            "UpperCaseTagNames", CEditorSettings::UpperCaseTagNames,
            [](OptionsApp& t) { return static_cast<OptionsSwitch&>(t).upperCaseTagNames(); }},
        SwitchCase{
            "UpperCaseArguments", CEditorSettings::UpperCaseArguments,
            [](OptionsApp& t) { return static_cast<OptionsSwitch&>(t).upperCaseArguments(); }},
        SwitchCase{"CodeHelperAutomatic", CEditorSettings::CodeHelperAutomatic,
                   [](OptionsApp& t) { return static_cast<OptionsSwitch&>(t).codeHelperOpens(); }},
        SwitchCase{"EditorToolTips", CEditorSettings::EditorToolTips,
                   [](OptionsApp& t) { return static_cast<OptionsSwitch&>(t).showsToolTips(); }}),
    CaseName());

namespace {

struct XmlCase {
    std::string name;
    std::string extension;
    bool namesConverted;
};

void PrintTo(const XmlCase& row, std::ostream* out) {
    *out << row.name;
}

class NameCaseByType : public OptionsApp, public ::testing::WithParamInterface<XmlCase> {};

} // namespace

// Names in XML documents are case-sensitive: the upper-casing switches never
// touch them there.
TEST_P(NameCaseByType, OnlyNonXmlDocumentsHaveTheirNamesConverted) {
    app_.settings().Editing[CEditorSettings::UpperCaseTagNames] = 1;
    app_.settings().Editing[CEditorSettings::UpperCaseArguments] = 1;
    app_.settings().OpenExt += ";*.xhtml;*.svg";
    const std::string content = "<svg viewBox=\"0 0 1 1\"><b class=x>y</b></svg>\n";
    CChildWin* document = open(page(content, GetParam().extension));
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(anyColoured(document));
    EXPECT_EQ(text(document), GetParam().namesConverted
                                  ? "<SVG VIEWBOX=\"0 0 1 1\"><B CLASS=x>y</B></SVG>\n"
                                  : content);
    EXPECT_FALSE(modified(document));
}

INSTANTIATE_TEST_SUITE_P(Types, NameCaseByType,
                         ::testing::Values(XmlCase{"Html", ".html", true},
                                           XmlCase{"Text", ".txt", true},
                                           XmlCase{"Xml", ".xml", false},
                                           XmlCase{"XhtmlInUpperCase", ".XHTML", false},
                                           XmlCase{"Svg", ".svg", false}),
                         CaseName());

TEST_F(OptionsApp, ADocumentSavedUnderAnXmlNameStopsConvertingNames) {
    app_.settings().Editing[CEditorSettings::UpperCaseTagNames] = 1;
    app_.settings().OpenExt += ";*.svg";
    CChildWin* document = newUntitled();
    type(document, "<b>");
    EXPECT_EQ(text(document), "<B>");
    services_->saveNames.push_back(QString::fromStdString(files_.path("logo.svg")));
    document->saveAs();
    type(document, "<rect>");
    EXPECT_EQ(text(document), "<B><rect>");
}

TEST_F(OptionsApp, TheExtensionListsApplyToTheNextOpen) {
    const auto notes = page("# notes\n", ".md");
    runOptions([](COptionsDlg& dialog) {
        show<OptionsGeneralPage>(dialog, COptionsDlg::General)->openExtEdit()->setText("*.md");
        dialog.okButton()->click();
    });
    EXPECT_NE(open(notes), nullptr);
    const auto html = page("<P>x</P>\n");
    EXPECT_EQ(open(html), nullptr);
    EXPECT_EQ(services_->shellOpened, QStringList{QString::fromStdString(html.string())});
    EXPECT_EQ(storedSettings().value("Options/OpenExt").toString(), "*.md");
}

TEST_F(OptionsApp, TheBrowserChosenIsTheOnePreviewStarts) {
    const std::string program = files_.write("bin/my browser", "#!/bin/sh\n").string();
    ::chmod(program.c_str(), 0755);
    runOptions([&program](COptionsDlg& dialog) {
        auto* browsers = show<OptionsBrowserPage>(dialog, COptionsDlg::Browser);
        browsers->radio(CEditorSettings::BrowserOther)->click();
        browsers->otherEdit()->setText(QString::fromStdString(program));
        dialog.okButton()->click();
    });
    const auto file = page("<P>x</P>\n");
    CChildWin* document = open(file);
    key(document, Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_EQ(services_->started.size(), 1u);
    EXPECT_EQ(services_->started[0].first, QString::fromStdString(program));
    EXPECT_EQ(storedInt("Options/Browser"), CEditorSettings::BrowserOther);
}

// The path is kept as typed; the next start names the missing file.
TEST_F(OptionsApp, AMissingTagDataFileIsSavedAndNamedAtTheNextStart) {
    runOptions([](COptionsDlg& dialog) {
        auto* general = show<OptionsGeneralPage>(dialog, COptionsDlg::General);
        general->tagDataEdit()->setText("Data/Missing.txt");
        EXPECT_FALSE(general->restartNote()->isHidden());
        dialog.okButton()->click();
    });
    EXPECT_EQ(storedSettings().value("Options/TagData").toString(), "Data/Missing.txt");
    EXPECT_TRUE(app_.tagData().FindTag("B") != nullptr) << "the tag data in use stays";

    TestApp next(configPath());
    next.startFrom(TAGWRIGHT_BUILD_DATA_DIR "/");
    ASSERT_EQ(next.fakes->details.size(), 1);
    EXPECT_TRUE(next.fakes->details[0].contains("Data/Missing.txt"))
        << next.fakes->details[0].toStdString();
}

namespace {

struct BadListCase {
    std::string name;
    std::string openExt;
};

void PrintTo(const BadListCase& row, std::ostream* out) {
    *out << row.name;
}

class UnreadableExtensionList : public OptionsApp,
                                public ::testing::WithParamInterface<BadListCase> {};

} // namespace

// A list the program cannot read opens nothing in the editor: every file
// goes to the desktop, which is where a file of no listed type goes.
TEST_P(UnreadableExtensionList, OpensNothingInTheEditor) {
    app_.settings().OpenExt = GetParam().openExt;
    const auto html = page("<P>x</P>\n");
    EXPECT_EQ(open(html), nullptr);
    EXPECT_EQ(windowCount(), 0);
    EXPECT_EQ(services_->shellOpened, QStringList{QString::fromStdString(html.string())});
    runOptions([](COptionsDlg& dialog) { dialog.okButton()->click(); });
    EXPECT_EQ(storedSettings().value("Options/OpenExt").toString(),
              QString::fromStdString(GetParam().openExt));
}

INSTANTIATE_TEST_SUITE_P(Lists, UnreadableExtensionList,
                         ::testing::Values(BadListCase{"Empty", ""},
                                           BadListCase{"WithoutStarDot", "html;htm"},
                                           BadListCase{"OnlyStars", "*;*.*"},
                                           BadListCase{"Blanks", " ; "}),
                         CaseName());

// A settings file damaged by hand: the program starts, its dialog shows
// sensible choices, and OK writes sensible values back.
TEST(OptionsFromDamagedSettings, StartAndSaveSensibleValues) {
    TempDir config;
    const std::string file = config.path("Tagwright.conf");
    {
        QSettings stored(QString::fromStdString(file), QSettings::IniFormat);
        stored.setValue("Options/SaveClose", 77);
        stored.setValue("Options/Browser", -3);
        stored.setValue("Options/Color 0", -1);
        stored.setValue("Options/Color 6", 0x7FFFFFFF);
        stored.setValue("Options/Editing 4", 9);
        stored.setValue("Options/HTMLExt", "");
    }
    TestApp app(file);
    app.startFrom(TAGWRIGHT_BUILD_DATA_DIR "/");
    whenOptionsOpen([](COptionsDlg& dialog) {
        auto* general = show<OptionsGeneralPage>(dialog, COptionsDlg::General);
        EXPECT_EQ(general->saveCloseList()->currentText(), "Ask");
        auto* browsers = show<OptionsBrowserPage>(dialog, COptionsDlg::Browser);
        EXPECT_TRUE(browsers->radio(CEditorSettings::BrowserNetscape)->isChecked());
        auto* switches = show<OptionsEditingPage>(dialog, COptionsDlg::Editing);
        EXPECT_TRUE(switches->checkBox(CEditorSettings::CodeHelperAutomatic)->isChecked());
        dialog.okButton()->click();
    });
    app.mainWindow()->commands().action(Cmd::Options)->trigger();
    QSettings stored(QString::fromStdString(file), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Options/SaveClose").toInt(), 2);
    EXPECT_EQ(stored.value("Options/Browser").toInt(), 50);
    EXPECT_EQ(stored.value("Options/Color 0").toInt(), 0);
    EXPECT_EQ(stored.value("Options/Color 6").toInt(), 0x0000FF);
    EXPECT_EQ(stored.value("Options/Editing 4").toInt(), 1);
}
