#include "app/qt/COptionsDlg.h"

#include "CaseName.h"
#include "FakeServices.h"
#include "app/CEditorSettings.h"
#include "app/qt/ColorSwatch.h"
#include "app/qt/OptionsBrowserPage.h"
#include "app/qt/OptionsColorsPage.h"
#include "app/qt/OptionsEditingPage.h"
#include "app/qt/OptionsGeneralPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The dialog over a settings record of its own, shown offscreen so that keys
// reach the focused control.
class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    template <typename Page> Page* pageAs(COptionsDlg::Category category) {
        dialog.selectCategory(category);
        auto* page = qobject_cast<Page*>(dialog.page());
        EXPECT_NE(page, nullptr);
        return page;
    }
    OptionsGeneralPage* general() { return pageAs<OptionsGeneralPage>(COptionsDlg::General); }
    OptionsEditingPage* editing() { return pageAs<OptionsEditingPage>(COptionsDlg::Editing); }
    OptionsColorsPage* colors() { return pageAs<OptionsColorsPage>(COptionsDlg::Colors); }
    OptionsBrowserPage* browser() { return pageAs<OptionsBrowserPage>(COptionsDlg::Browser); }

    // The texts of a page's labels and buttons, in the order they were made.
    QStringList textsOf(QWidget* page) const {
        QStringList texts;
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if (auto* label = qobject_cast<QLabel*>(control); label && !label->isHidden()) {
                texts << label->text();
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                texts << button->text();
            }
        }
        return texts;
    }
    // Leaves the page on show, so that the next page is filled from the
    // settings as the test changes them now.
    void leavePage() { dialog.categories()->setCurrentItem(nullptr); }
    // A key pressed on whatever has the focus now, as the keyboard would.
    static void press(Qt::Key key) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) {
            ADD_FAILURE() << "nothing has the focus";
            return;
        }
        QTest::keyClick(focused, key);
    }
    static QColor centreOf(QWidget* widget) {
        return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
    }

    CEditorSettings settings;
    FakeServices services;
    COptionsDlg dialog{settings, QStringLiteral("Data/Tags.txt"), services};
};

} // namespace

TEST_F(OptionsDialog, EveryPageShowsItsTextsInOrder) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options"));
    ASSERT_NE(dialog.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), QStringLiteral("Cathegories:"));
    QStringList categories;
    for (int i = 0; i < dialog.categories()->topLevelItemCount(); ++i) {
        categories << dialog.categories()->topLevelItem(i)->text(0);
    }
    EXPECT_EQ(categories, (QStringList{"General", "Editing", "Colors", "Browser"}));

    OptionsGeneralPage* first = general();
    EXPECT_EQ(textsOf(first),
              (QStringList{"Tag Data File:", "Save Files Before Closing?",
                           "Extensions to open in editor:", "Extensions treated as HTML code:",
                           "Image Extensions:"}));
    QStringList choices;
    for (int i = 0; i < first->saveCloseList()->count(); ++i) {
        choices << first->saveCloseList()->itemText(i);
    }
    EXPECT_EQ(choices, (QStringList{"Yes", "No", "Ask"}));
    EXPECT_EQ(textsOf(editing()),
              (QStringList{"Automatically ColorKey files on open.",
                           "Automatically ColorKey files while editing.",
                           "Convert Tagnames to uppercase.", "Convert Arguments to uppercase.",
                           "Display CodeHelper automatically.",
                           "Display CodeHelper when ctrl is pressed.", "Autoindent Tabs.",
                           "Display ToolTips in editor window."}));
    QStringList colorRows;
    for (const char* name : {"Default Color", "Tag Color", "Argument Color", "Parameter Color",
                             "HiLight Color", "Mark Color", "Special Color"}) {
        colorRows << name << "...";
    }
    EXPECT_EQ(textsOf(colors()), colorRows + QStringList{"Default"});
    EXPECT_EQ(textsOf(browser()), (QStringList{"Netscape", "Internet Explorer", "Other", "..."}));
}

TEST_F(OptionsDialog, EachPageShowsTheSettingsAndWritesItsControlsBackWhenLeft) {
    leavePage();
    settings.TagData = "/mine/Tags.txt";
    settings.OpenExt = "*.htm";
    settings.HTMLExt = "*.html";
    settings.ImageExt = "*.png";
    settings.Editing = {1, 0, 1, 0, 1, 0, 1, 0};
    settings.Browser = CEditorSettings::BrowserExplorer;
    settings.OtherBrowser = "/opt/web";
    OptionsGeneralPage* page = general();
    EXPECT_EQ(page->tagDataEdit()->text(), "/mine/Tags.txt");
    EXPECT_EQ(page->openExtEdit()->text(), "*.htm");
    EXPECT_EQ(page->htmlExtEdit()->text(), "*.html");
    EXPECT_EQ(page->imageExtEdit()->text(), "*.png");
    page->openExtEdit()->setText("*.a");
    page->htmlExtEdit()->setText("*.b");
    page->imageExtEdit()->setText("*.c");

    OptionsEditingPage* switches = editing();
    EXPECT_EQ(settings.OpenExt, "*.a");
    EXPECT_EQ(settings.HTMLExt, "*.b");
    EXPECT_EQ(settings.ImageExt, "*.c");
    for (int i = 0; i < CEditorSettings::kEditingCount; ++i) {
        const auto which = static_cast<CEditorSettings::EditingSwitch>(i);
        EXPECT_EQ(switches->checkBox(which)->isChecked(), i % 2 == 0) << i;
        switches->checkBox(which)->setChecked(i % 2 != 0);
    }

    OptionsBrowserPage* browsers = browser();
    EXPECT_EQ(settings.Editing, (std::array<int, 8>{0, 1, 0, 1, 0, 1, 0, 1}));
    EXPECT_TRUE(browsers->radio(CEditorSettings::BrowserExplorer)->isChecked());
    EXPECT_EQ(browsers->otherEdit()->text(), "/opt/web");
    browsers->radio(CEditorSettings::BrowserNetscape)->setChecked(true);
    dialog.okButton()->click();
    EXPECT_EQ(settings.Browser, CEditorSettings::BrowserNetscape);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

namespace {

struct SaveChoiceCase {
    std::string name;
    QString text;
    int stored;
};

void PrintTo(const SaveChoiceCase& row, std::ostream* out) {
    *out << row.name;
}

class OptionsSaveChoice : public OptionsDialog,
                          public ::testing::WithParamInterface<SaveChoiceCase> {};

} // namespace

// The list's order (Yes, No, Ask) is not the order of the stored values.
TEST_P(OptionsSaveChoice, EachChoiceStoresItsOwnValueAndShowsAgain) {
    leavePage();
    settings.SaveClose = (GetParam().stored + 1) % 3;
    OptionsGeneralPage* page = general();
    page->saveCloseList()->setCurrentText(GetParam().text);
    dialog.okButton()->click();
    EXPECT_EQ(settings.SaveClose, GetParam().stored);

    CEditorSettings reopened;
    reopened.SaveClose = GetParam().stored;
    COptionsDlg again(reopened, QString(), services);
    auto* shown = qobject_cast<OptionsGeneralPage*>(again.page());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->saveCloseList()->currentText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Choices, OptionsSaveChoice,
                         ::testing::Values(SaveChoiceCase{"Yes", "Yes", 1},
                                           SaveChoiceCase{"No", "No", 0},
                                           SaveChoiceCase{"Ask", "Ask", 2}),
                         CaseName());

TEST_F(OptionsDialog, DefaultRestoresTheSevenColoursOnOk) {
    for (std::uint32_t& colour : settings.Color) {
        colour = 0x123456;
    }
    colors()->defaultButton()->click();
    dialog.okButton()->click();
    EXPECT_EQ(settings.Color, CEditorSettings().Color);
}

namespace {

struct ColorButtonCase {
    std::string name;
    CEditorSettings::ColorIndex index;
};

void PrintTo(const ColorButtonCase& row, std::ostream* out) {
    *out << row.name;
}

class OptionsColorButton : public OptionsDialog,
                           public ::testing::WithParamInterface<ColorButtonCase> {};

} // namespace

// Each "..." opens the colour dialog from its own swatch and changes only
// that swatch; the swatch shows the colour over its area.
TEST_P(OptionsColorButton, StartsFromItsSwatchAndChangesOnlyIt) {
    const int index = GetParam().index;
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        settings.Color[i] = 0x010101u * static_cast<std::uint32_t>(i + 1);
    }
    OptionsColorsPage* page = colors();
    services.picks.push_back(QColor(0xFF, 0x80, 0x00));
    page->chooseButton(GetParam().index)->click();
    ASSERT_EQ(services.pickInitials.size(), 1u);
    const int grey = index + 1;
    EXPECT_EQ(services.pickInitials[0], QColor(grey, grey, grey));
    EXPECT_EQ(centreOf(page->swatch(GetParam().index)), QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(settings.Color[index], 0x010101u * static_cast<std::uint32_t>(index + 1))
        << "the settings wait for the page to be saved";
    dialog.okButton()->click();
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        EXPECT_EQ(settings.Color[i],
                  i == index ? 0x0080FFu : 0x010101u * static_cast<std::uint32_t>(i + 1))
            << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Colors, OptionsColorButton,
    ::testing::Values(ColorButtonCase{"Default", CEditorSettings::DefaultColor},
                      ColorButtonCase{"Tag", CEditorSettings::TagColor},
                      ColorButtonCase{"Argument", CEditorSettings::ArgumentColor},
                      ColorButtonCase{"Parameter", CEditorSettings::ParameterColor},
                      ColorButtonCase{"HiLight", CEditorSettings::HiLightColor},
                      ColorButtonCase{"Mark", CEditorSettings::MarkColor},
                      ColorButtonCase{"Special", CEditorSettings::SpecialColor}),
    CaseName());

TEST_F(OptionsDialog, ACancelledColourDialogLeavesTheSwatch) {
    OptionsColorsPage* page = colors();
    page->chooseButton(CEditorSettings::MarkColor)->click();
    EXPECT_EQ(services.pickInitials.size(), 1u);
    EXPECT_EQ(page->swatch(CEditorSettings::MarkColor)->colorRef(), 0x0088FFu);
}

TEST_F(OptionsDialog, PathTextsAreCutTo255Characters) {
    general()->tagDataEdit()->setText(QString(300, QLatin1Char('t')));
    OptionsBrowserPage* page = browser();
    EXPECT_EQ(settings.TagData, std::string(255, 't'));
    page->otherEdit()->setText(QString(300, QLatin1Char('b')));
    dialog.okButton()->click();
    EXPECT_EQ(settings.OtherBrowser, std::string(255, 'b'));
}

// A new tag data path is read only at the next start; the page says so as
// long as the text differs from the path in use.
TEST_F(OptionsDialog, AChangedTagDataPathIsExplainedUnderTheField) {
    OptionsGeneralPage* page = general();
    EXPECT_TRUE(page->restartNote()->isHidden());
    page->tagDataEdit()->setFocus();
    page->tagDataEdit()->selectAll();
    QTest::keyClicks(page->tagDataEdit(), "Data/Mine.txt");
    EXPECT_FALSE(page->restartNote()->isHidden());
    EXPECT_EQ(page->restartNote()->text(),
              QStringLiteral("The tag data file is read at the next start."));

    editing();
    OptionsGeneralPage* again = general();
    EXPECT_EQ(settings.TagData, "Data/Mine.txt");
    EXPECT_FALSE(again->restartNote()->isHidden()) << "still not the file in use";
    again->tagDataEdit()->setText("Data/Tags.txt");
    EXPECT_TRUE(again->restartNote()->isHidden());
}

TEST_F(OptionsDialog, TheBrowsersProgramIsChosenWithTheFileDialog) {
    OptionsBrowserPage* page = browser();
    EXPECT_TRUE(page->radio(CEditorSettings::BrowserNetscape)->isChecked());
    services.openNames.push_back("/usr/local/bin/web browser");
    page->browseButton()->click();
    EXPECT_EQ(page->otherEdit()->text(), "/usr/local/bin/web browser");
    dialog.okButton()->click();
    EXPECT_EQ(settings.Browser, CEditorSettings::BrowserOther);
    EXPECT_EQ(settings.OtherBrowser, "/usr/local/bin/web browser");
}

// Tab walks from the tree through the page to OK: a page built after the
// buttons would otherwise be reached last, or never before OK.
TEST_F(OptionsDialog, TheTreeAndEveryPageWorkWithTheKeyboard) {
    ASSERT_TRUE(dialog.categories()->hasFocus());
    QTest::keyClick(dialog.categories(), Qt::Key_Down);
    auto* page = qobject_cast<OptionsEditingPage*>(dialog.page());
    ASSERT_NE(page, nullptr) << "Down selects Editing";
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page->checkBox(CEditorSettings::ColorKeyOnOpen));
    press(Qt::Key_Space);
    for (int i = 1; i < CEditorSettings::kEditingCount; ++i) {
        press(Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), page->checkBox(CEditorSettings::EditorToolTips));
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.okButton());
    press(Qt::Key_Space);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.Editing[CEditorSettings::ColorKeyOnOpen], 0);
}
