#include "dialogs/qt/CFontDlg.h"

#include <QFontComboBox>
#include <gtest/gtest.h>

namespace {

TEST(CFontDlg, StartsWithNoFaceAndInsertsTheFaceItShows) {
    CFontDlg dialog;
    auto* face = dialog.findChild<QFontComboBox*>();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->currentText(), "");
    EXPECT_EQ(dialog.choice().faceName, "");

    const int dejaVu = face->findText(QStringLiteral("DejaVu Sans"));
    ASSERT_GE(dejaVu, 0) << "the test fonts (fonts-dejavu-core) are installed";
    face->setCurrentIndex(dejaVu);
    EXPECT_EQ(dialog.choice().faceName, "DejaVu Sans");
    for (int row = 0; row < std::min(face->count(), 20); ++row) {
        face->setCurrentIndex(row);
        EXPECT_EQ(dialog.choice().faceName, face->currentText().toStdString());
    }
}

} // namespace
