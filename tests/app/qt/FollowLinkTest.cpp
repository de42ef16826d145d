#include "AppFixture.h"
#include "app/CommandIds.h"

namespace fs = std::filesystem;

namespace {

struct FollowCase {
    const char* name;
    const char* value; // the HREF value as written
    // What follows: the page opened ("" for none), the address handed to
    // the desktop, the image handed to the shell, the message shown.
    const char* opens;
    const char* address;
    const char* shell;
    const char* message;
};

class FollowLinkTest : public AppFixture, public ::testing::WithParamInterface<FollowCase> {
protected:
    // A document whose caret stands inside the link value.
    CChildWin* openLinkingDocument(const std::string& value) {
        const std::string page = "<a href=" + value + ">go</a>\n";
        CChildWin* document = open(files_.write("index.html", page));
        const int inValue = static_cast<int>(std::string("<a href=").size()) + 1;
        document->editor().SetSelection(inValue, inValue, true);
        settle();
        return document;
    }
};

class FollowLinkRuleTest : public AppFixture {};

} // namespace

TEST_P(FollowLinkTest, CtrlShiftWFollowsTheLink) {
    const FollowCase& c = GetParam();
    files_.write("page.html", "<p>page</p>\n");
    files_.write("sub/logo.gif", "GIF89a");
    CChildWin* document = openLinkingDocument(c.value);
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(refreshed(Cmd::FollowLink)->isEnabled());

    key(document, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);

    CChildWin* active = window()->activeDocument();
    if (*c.opens != '\0') {
        ASSERT_NE(active, document);
        ASSERT_NE(active, nullptr);
        EXPECT_EQ(active->path(), files_.path(c.opens));
    } else {
        EXPECT_EQ(windowCount(), 1);
    }
    EXPECT_EQ(services_->addressesOpened, *c.address ? QStringList{c.address} : QStringList());
    EXPECT_EQ(services_->shellOpened,
              *c.shell ? QStringList{QString::fromStdString(files_.path(c.shell))} : QStringList());
    EXPECT_EQ(services_->messages, *c.message ? QStringList{c.message} : QStringList());
    EXPECT_EQ(text(document).find("<a href="), 0U); // nothing typed
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FollowLinkTest,
    ::testing::Values(FollowCase{"PageWithBookmark", "\"page.html#part\"", "page.html", "", "", ""},
                      FollowCase{"UnquotedPage", "page.html", "page.html", "", "", ""},
                      FollowCase{"BookmarkInThisPage", "\"#top\"", "", "", "", ""},
                      FollowCase{"WebAddress", "\"http://example.com/a.html\"", "",
                                 "http://example.com/a.html", "", ""},
                      FollowCase{"Image", "\"sub/logo.gif\"", "", "", "sub/logo.gif", ""},
                      FollowCase{"MissingPage", "\"missing.html\"", "", "", "",
                                 "Failed to open file"}),
    [](const ::testing::TestParamInfo<FollowCase>& info) { return info.param.name; });

TEST_F(FollowLinkRuleTest, FollowLinkIsOnlyForALinkValue) {
    CChildWin* document = open(files_.write("index.html", "<a href=\"p.html\" target=_top>x</a>"));
    ASSERT_NE(document, nullptr);
    const auto enabledAt = [&](int offset) {
        document->editor().SetSelection(offset, offset, true);
        return refreshed(Cmd::FollowLink)->isEnabled();
    };
    EXPECT_TRUE(enabledAt(10));  // in the value
    EXPECT_TRUE(enabledAt(16));  // at its end
    EXPECT_FALSE(enabledAt(4));  // on the argument's name
    EXPECT_FALSE(enabledAt(26)); // in a value that is no link
    EXPECT_FALSE(enabledAt(34)); // in the text
}

TEST_F(FollowLinkRuleTest, FollowLinkInAnUntitledDocumentSaysWhyItCannot) {
    CChildWin* document = newUntitled();
    type(document, "<a href=\"page.html\">");
    document->editor().SetSelection(11, 11, true);
    key(document, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(services_->messages, QStringList{"Failed to open file"});
    EXPECT_EQ(windowCount(), 1);
}
