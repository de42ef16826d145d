#include "AppFixture.h"
#include "app/CommandIds.h"

namespace fs = std::filesystem;

namespace {

// Choose Parameter in a saved document with the installed tag data; the
// dialogs are answered by FakeServices.
class ChooseParameterTest : public AppFixture {
protected:
    // A saved page holding text, the caret at the "|".
    CChildWin* pageWith(std::string marked) {
        const size_t caret = marked.find('|');
        marked.erase(caret, 1);
        CChildWin* document = open(files_.write("site/index.html", marked));
        document->editor().SetSelection(static_cast<int>(caret), static_cast<int>(caret), true);
        settle();
        return document;
    }
    void choose(CChildWin* document) {
        key(document, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    }
};

struct StateCase {
    const char* marked;
    bool enabled;
    const char* text;
};

class ChooseParameterState : public ChooseParameterTest,
                             public ::testing::WithParamInterface<StateCase> {};

} // namespace

TEST_P(ChooseParameterState, TheTextSaysWhichDialogWillOpen) {
    pageWith(GetParam().marked);
    QAction* item = refreshed(Cmd::ChooseParameter);
    EXPECT_EQ(item->isEnabled(), GetParam().enabled) << GetParam().marked;
    EXPECT_EQ(item->text().toStdString(), GetParam().text) << GetParam().marked;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ChooseParameterState,
    ::testing::Values(
        StateCase{"<a href=\"x|.html\">", true, "Select File...\tCtrl + Shift + P"},
        StateCase{"<body bgcolor=\"#FF|0000\">", true, "Choose Color...\tCtrl + Shift + P"},
        StateCase{"<table align=le|ft>", true, "Predefined Value...\tCtrl + Shift + P"},
        StateCase{"<table align=left|>", true, "Predefined Value...\tCtrl + Shift + P"},
        // On the argument's name, in an unknown argument, outside tags.
        StateCase{"<a hr|ef=\"x.html\">", false, "Choose &Parameter...\tCtrl + Shift + P"},
        StateCase{"<table border=1|>", false, "Choose &Parameter...\tCtrl + Shift + P"},
        StateCase{"<table nosuch=1|>", false, "Choose &Parameter...\tCtrl + Shift + P"},
        StateCase{"text| only", false, "Choose &Parameter...\tCtrl + Shift + P"}));

TEST_F(ChooseParameterTest, SelectFileWritesThePathFromTheDocumentInQuotes) {
    CChildWin* document = pageWith("<a href=\"o|ld.html\">go</a>");
    services_->openNames.push_back(QString::fromStdString(files_.path("site/img/logo.png")));
    choose(document);
    EXPECT_EQ(text(document), "<a href=\"img/logo.png\">go</a>");

    services_->openNames.push_back(QString::fromStdString(files_.path("other/page.html")));
    choose(document);
    EXPECT_EQ(text(document), "<a href=\"../other/page.html\">go</a>");

    // Cancel changes nothing; one undo takes back one choice.
    choose(document);
    EXPECT_EQ(text(document), "<a href=\"../other/page.html\">go</a>");
    ASSERT_TRUE(document->editor().Undo());
    EXPECT_EQ(text(document), "<a href=\"img/logo.png\">go</a>");
}

TEST_F(ChooseParameterTest, ChooseColorStartsFromTheValueAndWritesItUpperCasedInQuotes) {
    CChildWin* document = pageWith("<body bgcolor=\"#ff|0000\">");
    services_->colors.push_back(ColorChoice{0x00FF00, "", false, true});
    choose(document);
    ASSERT_EQ(services_->colorInitials.size(), 1u);
    EXPECT_TRUE(services_->colorInitials[0].hasValue);
    EXPECT_EQ(services_->colorInitials[0].value, 0xFF0000u) << "red by value";
    EXPECT_EQ(text(document), "<body bgcolor=\"#00FF00\">");

    services_->colors.push_back(ColorChoice{0, "Navy", true, false});
    choose(document);
    EXPECT_EQ(text(document), "<body bgcolor=NAVY>");

    choose(document); // cancelled
    EXPECT_EQ(text(document), "<body bgcolor=NAVY>");
    ASSERT_EQ(services_->colorInitials.size(), 3u);
    EXPECT_EQ(services_->colorInitials[2].name, "NAVY");
    EXPECT_FALSE(services_->colorInitials[2].hasValue);

    // By Name with no name typed gives the number.
    services_->colors.push_back(ColorChoice{0x0000FF, "", true, false});
    choose(document);
    EXPECT_EQ(text(document), "<body bgcolor=\"#0000FF\">");
}

TEST_F(ChooseParameterTest, PredefinedValueReplacesTheValueAsChosen) {
    CChildWin* document = pageWith("<table align=\"le|ft\" border=1>");
    services_->values.push_back(std::string("CENTER"));
    choose(document);
    ASSERT_EQ(services_->valueOffers.size(), 1u);
    EXPECT_EQ(services_->valueOffers[0], app_.tagData().GetValueNames("TABLE", "ALIGN"));
    EXPECT_EQ(text(document), "<table align=CENTER border=1>");
    EXPECT_TRUE(modified(document));
    ASSERT_TRUE(document->editor().Undo());
    EXPECT_EQ(text(document), "<table align=\"left\" border=1>");
}

TEST_F(ChooseParameterTest, DisabledItDoesNothing) {
    CChildWin* document = pageWith("<table bor|der=1>");
    choose(document);
    EXPECT_TRUE(services_->colorInitials.empty());
    EXPECT_TRUE(services_->valueOffers.empty());
    EXPECT_EQ(text(document), "<table border=1>");
}
