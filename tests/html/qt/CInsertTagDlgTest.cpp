#include "html/qt/CInsertTagDlg.h"

#include "TagTreeClicks.h"
#include "html/CTagData.h"
#include "html/qt/CArgControl.h"
#include "html/qt/UpDownControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::string argument(const std::string& name, const std::string& body) {
    return name + "\n{\n" + body + "}\n";
}

// T takes one argument of each kind and a pattern between the two shared
// ones that every tag of this vocabulary has.
std::string vocabulary() {
    const std::string shared =
        argument("ID", "(STRING)\n(INFO)Identifier\n") + argument("HIDDEN", "(INFO)Hidden\n");
    std::string text = "T\n{\n(GROUP) Test\n(WITHIN) ROOT\n(INFO)The test tag\n" +
                       argument("ID", "(STRING)\n(INFO)Identifier\n") +
                       argument("TEXT", "(STRING)\n") + argument("LIST", "ONE\nTWO\n") +
                       argument("FLAG", "") + argument("LINKED", "(LINK)\n") +
                       argument("INT", "(INTEGER)\n") + argument("INTLIST", "(INTEGER)\n1\n2\n") +
                       argument("URL", "(URL)\n(LINK)\n") + argument("COLOR", "(COLOR)\n") +
                       argument("BOTH", "(URL)\n(COLOR)\n") + argument("DATA-*", "(STRING)\n") +
                       argument("HIDDEN", "(INFO)Hidden\n") + "}\n";
    for (const char* name : {"U", "V"})
        text += std::string(name) + "\n{\n(GROUP) Other\n(WITHIN) ROOT\n" + shared + "}\n";
    return text;
}

class InsertTagDlgTest : public ::testing::Test {
protected:
    InsertTagDlgTest() {
        tags.loadFromText(vocabulary(), "Navy\nRed\n");
        hooks.activePath = [this] { return documentPath; };
        hooks.chooseFile = [this](QWidget*) { return chosenFile; };
        hooks.chooseColor = [this](QWidget*, const ColorChoice& initial) {
            colorInitials.push_back(initial);
            return chosenColor;
        };
        dialog = std::make_unique<CInsertTagDlg>(tags, hooks);
        dialog->show();
        static_cast<void>(QTest::qWaitForWindowExposed(dialog.get()));
    }

    CArgControl* control(const char* name) const { return dialog->control(name); }
    void select(const char* name) { ASSERT_NE(clickTreeItem(dialog->tree(), name), nullptr); }
    // Types into an argument's field as the user would.
    void type(const char* name, const QString& text) {
        QLineEdit* field = control(name)->lineEdit();
        dialog->scrollArea()->ensureWidgetVisible(field);
        QTest::keyClicks(field, text);
    }
    void click(QAbstractButton* button) {
        dialog->scrollArea()->ensureWidgetVisible(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void filterBy(const QString& text) {
        QTest::mouseClick(dialog->filter(), Qt::LeftButton);
        dialog->filter()->clear();
        QTest::keyClicks(dialog->filter(), text);
    }
    std::vector<std::string> shownNames() const {
        std::vector<std::string> names;
        for (const auto& each : dialog->controls()) {
            if (each->cell()->isVisibleTo(dialog->scrollArea()->widget()))
                names.push_back(each->name());
        }
        return names;
    }

    CTagData tags;
    InsertTagHooks hooks;
    std::string documentPath;
    QString chosenFile;
    std::optional<ColorChoice> chosenColor;
    std::vector<ColorChoice> colorInitials;
    std::unique_ptr<CInsertTagDlg> dialog;
};

enum Input { Edit, Combo, Check };

struct KindCase {
    const char* name;
    ArgControlKind kind;
    Input input;
    bool spin;
    bool fileButton;
    bool colorButton;
};

class InsertTagControls : public InsertTagDlgTest,
                          public ::testing::WithParamInterface<KindCase> {};

} // namespace

TEST_P(InsertTagControls, EachArgumentGetsTheControlsOfItsKind) {
    select("T");
    const KindCase& row = GetParam();
    CArgControl* each = control(row.name);
    ASSERT_NE(each, nullptr) << row.name;
    EXPECT_EQ(each->kind(), row.kind);
    EXPECT_EQ(each->label()->text().toStdString(), std::string(row.name) + ":");
    EXPECT_EQ(each->lineEdit() != nullptr && each->comboBox() == nullptr, row.input == Edit);
    EXPECT_EQ(each->comboBox() != nullptr, row.input == Combo);
    EXPECT_EQ(each->checkBox() != nullptr, row.input == Check);
    if (each->checkBox() != nullptr) {
        EXPECT_EQ(each->checkBox()->text(), QStringLiteral("Enable"));
    }
    EXPECT_EQ(each->spin() != nullptr, row.spin);
    EXPECT_EQ(each->fileButton() != nullptr, row.fileButton);
    EXPECT_EQ(each->colorButton() != nullptr, row.colorButton);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InsertTagControls,
    ::testing::Values(KindCase{"TEXT", ArgControlKind::Text, Edit, false, false, false},
                      KindCase{"LIST", ArgControlKind::Values, Combo, false, false, false},
                      KindCase{"FLAG", ArgControlKind::Flag, Check, false, false, false},
                      KindCase{"LINKED", ArgControlKind::Flag, Check, false, false, false},
                      KindCase{"INT", ArgControlKind::Integer, Edit, true, false, false},
                      KindCase{"INTLIST", ArgControlKind::Integer, Combo, true, false, false},
                      KindCase{"URL", ArgControlKind::Url, Edit, false, true, false},
                      KindCase{"COLOR", ArgControlKind::Color, Edit, false, false, true},
                      KindCase{"BOTH", ArgControlKind::Color, Edit, false, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InsertTagDlgTest, TheListOffersTheValuesInFileOrderAndPatternsAreLeftOut) {
    select("T");
    QComboBox* list = control("LIST")->comboBox();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("ONE"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("TWO"));
    EXPECT_EQ(list->currentText(), QString());
    EXPECT_EQ(control("DATA-*"), nullptr);
    EXPECT_EQ(dialog->controls().size(), 11u);
}

TEST_F(InsertTagDlgTest, TheButtonsWaitForATagAndAGroupLeavesTheControlsAlone) {
    EXPECT_FALSE(dialog->insertButton()->isEnabled());
    EXPECT_FALSE(dialog->closeTagButton()->isEnabled());
    EXPECT_FALSE(dialog->aroundButton()->isEnabled());
    EXPECT_TRUE(dialog->doneButton()->isEnabled());
    EXPECT_EQ(dialog->tagText(), "");
    ASSERT_NE(clickTreeItem(dialog->tree(), "Other"), nullptr);
    EXPECT_EQ(dialog->selectedTag(), nullptr);
    EXPECT_FALSE(dialog->insertButton()->isEnabled());

    select("T");
    type("TEXT", "kept");
    ASSERT_NE(clickTreeItem(dialog->tree(), "Test"), nullptr);
    EXPECT_EQ(dialog->selectedTag()->name, "T");
    EXPECT_EQ(control("TEXT")->text(), QStringLiteral("kept"));
    EXPECT_TRUE(dialog->insertButton()->isEnabled());
    EXPECT_TRUE(dialog->aroundButton()->isEnabled());

    select("U");
    EXPECT_EQ(dialog->tagText(), "<U>");
    EXPECT_EQ(dialog->controls().size(), 2u);
}

TEST_F(InsertTagDlgTest, FilledControlsBuildTheTagInTheArgumentOrder) {
    select("T");
    type("ID", "main");
    type("TEXT", "a \"b\" <c>");
    QComboBox* list = control("LIST")->comboBox();
    dialog->scrollArea()->ensureWidgetVisible(list);
    list->setCurrentIndex(1);
    click(control("FLAG")->checkBox());
    click(control("INT")->spin()->upButton());
    click(control("INT")->spin()->upButton());
    click(control("INTLIST")->spin()->upButton());
    type("URL", "x.html");
    type("COLOR", "Navy");
    EXPECT_EQ(dialog->tagText(),
              "<T ID=main TEXT=a \"b\" <c> LIST=TWO FLAG INT=2 INTLIST=1 URL=x.html COLOR=Navy>");

    click(control("FLAG")->checkBox());
    control("TEXT")->lineEdit()->clear();
    EXPECT_EQ(dialog->tagText(), "<T ID=main LIST=TWO INT=2 INTLIST=1 URL=x.html COLOR=Navy>");
}

TEST_F(InsertTagDlgTest, TheUpDownCountsTheFieldsNumberWithinItsRange) {
    select("T");
    UpDownControl* spin = control("INT")->spin();
    QLineEdit* field = control("INT")->lineEdit();
    click(spin->downButton());
    EXPECT_EQ(field->text(), QStringLiteral("0"));
    field->setText(QStringLiteral("9998"));
    click(spin->upButton());
    click(spin->upButton());
    EXPECT_EQ(field->text(), QStringLiteral("9999"));
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->text(), QStringLiteral("9998"));
    field->setText(QStringLiteral("50%"));
    click(spin->upButton());
    EXPECT_EQ(field->text(), QStringLiteral("1"));
}

TEST_F(InsertTagDlgTest, OwnArgumentsComeFirstAndTheSharedOnesUnderTheirHeading) {
    select("T");
    QWidget* page = dialog->scrollArea()->widget();
    const int headingY = dialog->sharedHeading()->mapTo(page, QPoint()).y();
    EXPECT_TRUE(dialog->sharedHeading()->isVisibleTo(page));
    for (const auto& each : dialog->controls()) {
        const int y = each->cell()->mapTo(page, QPoint()).y();
        EXPECT_EQ(y > headingY, each->shared()) << each->name();
    }
    EXPECT_TRUE(control("ID")->shared());
    EXPECT_TRUE(control("HIDDEN")->shared());
    EXPECT_FALSE(control("TEXT")->shared());
}

TEST_F(InsertTagDlgTest, TheFilterNarrowsByNameAndKeepsWhatWasTyped) {
    select("T");
    type("ID", "x");
    filterBy("int");
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"INT", "INTLIST"}));
    EXPECT_FALSE(dialog->sharedHeading()->isVisibleTo(dialog->scrollArea()->widget()));
    filterBy("Id");
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"ID", "HIDDEN"}));
    EXPECT_TRUE(dialog->sharedHeading()->isVisibleTo(dialog->scrollArea()->widget()));
    click(control("HIDDEN")->checkBox());
    filterBy("nothing like it");
    EXPECT_TRUE(shownNames().empty());
    EXPECT_EQ(dialog->tagText(), "<T ID=x HIDDEN>");

    // The filter stays when another tag is chosen.
    select("U");
    EXPECT_EQ(dialog->filter()->text(), QStringLiteral("nothing like it"));
    EXPECT_TRUE(shownNames().empty());
    dialog->filter()->clear();
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"ID", "HIDDEN"}));
}

TEST_F(InsertTagDlgTest, ReturnInTheFilterGoesToTheFirstArgumentLeft) {
    select("T");
    filterBy("url");
    QTest::keyClick(dialog->filter(), Qt::Key_Return);
    EXPECT_EQ(dialog->focusWidget(), control("URL")->lineEdit());
}

struct FileCase {
    const char* name;
    const char* document;
    const char* chosen;
    const char* written;
};

class InsertTagFileButton : public InsertTagDlgTest,
                            public ::testing::WithParamInterface<FileCase> {};

TEST_P(InsertTagFileButton, WritesTheFileRelativeToTheActiveDocument) {
    select("T");
    documentPath = GetParam().document;
    chosenFile = QString::fromStdString(GetParam().chosen);
    type("URL", "old.html");
    click(control("URL")->fileButton());
    EXPECT_EQ(control("URL")->text().toStdString(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, InsertTagFileButton,
    ::testing::Values(FileCase{"Beside", "/site/index.html", "/site/img/a b.png", "img/a b.png"},
                      FileCase{"Above", "/site/sub/page.html", "/site/index.html", "../index.html"},
                      FileCase{"OtherTree", "/home/me/site/index.html", "/srv/pics/x.gif",
                               "../../../srv/pics/x.gif"},
                      FileCase{"NoDocument", "", "/srv/pics/x.gif", "/srv/pics/x.gif"},
                      FileCase{"Cancelled", "/site/index.html", "", "old.html"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InsertTagDlgTest, TheColourButtonStartsFromTheFieldAndWritesItUpperCased) {
    select("T");
    type("COLOR", "\"#ff8000\"");
    chosenColor = ColorChoice{0x0000ff, "", false, true};
    click(control("COLOR")->colorButton());
    ASSERT_EQ(colorInitials.size(), 1u);
    EXPECT_TRUE(colorInitials[0].hasValue);
    EXPECT_EQ(colorInitials[0].value, 0xff8000u);
    EXPECT_EQ(control("COLOR")->text(), QStringLiteral("\"#0000FF\""));

    chosenColor = ColorChoice{0, "Navy", true, false};
    click(control("COLOR")->colorButton());
    EXPECT_EQ(colorInitials[1].value, 0x0000ffu);
    EXPECT_EQ(control("COLOR")->text(), QStringLiteral("NAVY"));

    chosenColor.reset();
    click(control("COLOR")->colorButton());
    EXPECT_EQ(colorInitials[2].name, "NAVY");
    EXPECT_EQ(control("COLOR")->text(), QStringLiteral("NAVY"));
}
