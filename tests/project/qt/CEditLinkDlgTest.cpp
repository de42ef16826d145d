#include "project/qt/CEditLinkDlg.h"

#include "app/qt/FakeServices.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(CEditLinkDlg, BrowsedFileIsWrittenRelativeToTheBase) {
    FakeServices services;
    services.saveNames = {"/site/pages/new.html", "/other/x.html", ""};
    CEditLinkDlg dialog("old.html", "/site/", services);
    EXPECT_EQ(dialog.path(), "old.html");
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.path(), "pages/new.html");
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.path(), "../other/x.html");
    // A cancelled file dialog leaves the path as it was.
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.path(), "../other/x.html");
    EXPECT_EQ(services.saveDialogs, 3);
}

TEST(CEditLinkDlg, ChangeAcceptsWhatWasTyped) {
    FakeServices services;
    CEditLinkDlg dialog("old.html", "/site/", services);
    dialog.show();
    dialog.pathEdit()->selectAll();
    QTest::keyClicks(dialog.pathEdit(), "http://example.com/");
    QTest::keyClick(dialog.pathEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.path(), "http://example.com/");
}

} // namespace
