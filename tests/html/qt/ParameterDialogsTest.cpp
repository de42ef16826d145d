#include "html/ColorNames.h"
#include "html/ColorText.h"
#include "html/qt/CChooseColorDlg.h"
#include "html/qt/CChooseValueDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ChooseColorDlgTest : public ::testing::Test {
protected:
    void SetUp() override { names.loadFromText("Red\nNavy\n\nAliceBlue\nNoSuchColour\n"); }

    std::unique_ptr<CChooseColorDlg> open(const char* text) {
        auto dialog = std::make_unique<CChooseColorDlg>(names, ColorText::Read(text));
        dialog->show();
        return dialog;
    }
    static QColor swatchColour(const CChooseColorDlg& dialog) {
        return dialog.swatch()->palette().color(QPalette::Window);
    }
    static QStringList fields(const CChooseColorDlg& dialog) {
        return {dialog.field(0)->text(), dialog.field(1)->text(), dialog.field(2)->text()};
    }
    // Types into a channel's field as the user would.
    static void retype(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    ColorNames names;
};

} // namespace

TEST_F(ChooseColorDlgTest, AValueInQuotesSetsTheChannelsByValue) {
    auto dialog = open("\"#FF8000\"");
    EXPECT_EQ(fields(*dialog), (QStringList{"255", "128", "0"}));
    EXPECT_EQ(dialog->slider(0)->value(), 255);
    EXPECT_EQ(dialog->slider(1)->value(), 128);
    EXPECT_TRUE(dialog->byValue()->isChecked());
    EXPECT_EQ(swatchColour(*dialog), QColor(255, 128, 0));
    const ColorChoice result = dialog->result();
    EXPECT_EQ(ColorText::Write(result, ColorTextCaller::ChooseParameter), "\"#FF8000\"");
}

TEST_F(ChooseColorDlgTest, AQuotedNamePreselectsItAndShowsItsColour) {
    auto dialog = open("\"navy\"");
    EXPECT_EQ(dialog->names()->currentText(), "NAVY");
    EXPECT_TRUE(dialog->byName()->isChecked());
    EXPECT_EQ(fields(*dialog), (QStringList{"0", "0", "128"})) << "navy's own value";
    EXPECT_EQ(swatchColour(*dialog), QColor(0, 0, 128));
    EXPECT_EQ(ColorText::Write(dialog->result(), ColorTextCaller::ChooseParameter), "NAVY");
}

TEST_F(ChooseColorDlgTest, NamesAreSortedWithoutBlanksAndUnknownNamesStartBlack) {
    auto dialog = open("nosuch");
    QStringList items;
    for (int i = 0; i < dialog->names()->count(); ++i) {
        items << dialog->names()->itemText(i);
    }
    EXPECT_EQ(items, (QStringList{"ALICEBLUE", "NAVY", "NOSUCHCOLOUR", "RED"}));
    EXPECT_EQ(dialog->names()->currentText(), "NOSUCHCOLOUR") << "the first that begins so";
    EXPECT_EQ(fields(*dialog), (QStringList{"0", "0", "0"}));
    auto empty = open("");
    EXPECT_EQ(fields(*empty), (QStringList{"0", "0", "0"}));
    EXPECT_TRUE(empty->byName()->isChecked());
}

TEST_F(ChooseColorDlgTest, ByNameWithNoNameGivesTheNumber) {
    auto dialog = open("\"#0000FF\"");
    dialog->byName()->setChecked(true);
    dialog->names()->setEditText("");
    EXPECT_EQ(ColorText::Write(dialog->result(), ColorTextCaller::ChooseParameter), "\"#0000FF\"");
    EXPECT_EQ(ColorText::Write(dialog->result(), ColorTextCaller::InsertTable), "#0000ff");
}

// A field typed above 255 is held at 255: blue 300 stays pure blue instead
// of spilling a 1 into green.
TEST_F(ChooseColorDlgTest, AFieldAbove255IsHeldTo255) {
    auto dialog = open("#000000");
    retype(dialog->field(2), "300");
    EXPECT_EQ(dialog->result().value, 0x0000FFu);
    EXPECT_EQ(dialog->slider(2)->value(), 255);
    EXPECT_EQ(ColorText::Write(dialog->result(), ColorTextCaller::ChooseParameter), "\"#0000FF\"");
}

TEST_F(ChooseColorDlgTest, MovingASliderShowsInItsFieldAndTheSwatch) {
    auto dialog = open("#000000");
    dialog->slider(1)->setFocus();
    QTest::keyClick(dialog->slider(1), Qt::Key_End);
    EXPECT_EQ(dialog->field(1)->text(), "255");
    EXPECT_EQ(swatchColour(*dialog), QColor(0, 255, 0));
    EXPECT_EQ(dialog->result().value, 0x00FF00u);
}

TEST(ChooseValueDlgTest, ValuesAreSortedAndOkNeedsASelection) {
    CChooseValueDlg dialog({"RIGHT", "LEFT", "CENTER"});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QStringList items;
    for (int i = 0; i < dialog.list()->count(); ++i) {
        items << dialog.list()->item(i)->text();
    }
    EXPECT_EQ(items, (QStringList{"CENTER", "LEFT", "RIGHT"}));

    dialog.list()->clearSelection();
    dialog.list()->setCurrentRow(-1);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible()) << "nothing selected: the dialog stays";
    EXPECT_EQ(dialog.result(), "");

    const QRect row = dialog.list()->visualItemRect(dialog.list()->item(1));
    // A double click begins with the click that selects the entry.
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(dialog.list()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), "LEFT");
}
