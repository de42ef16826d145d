#include "EditBoxFixture.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QScrollBar>
#include <cmath>

namespace {

using EditBoxPainting = EditBoxFixture;

TEST_F(EditBoxPainting, ATabAdvancesFourColumnsFromWhereItStands) {
    setText("M\tW");
    const QImage image = render();
    const QColor red = colourOf(Red);
    EXPECT_GT(pixelsNear(image, 0, 0, red), 0);
    for (int column = 1; column <= 4; ++column) {
        EXPECT_EQ(pixelsNear(image, column, 0, red), 0) << "column " << column;
    }
    EXPECT_GT(pixelsNear(image, 5, 0, red), 0) << "the W stands at column 5";
}

TEST_F(EditBoxPainting, AScrolledTabIsShortenedToItsVisiblePart) {
    setText("\tW");
    box->horizontalScrollBar()->setSliderPosition(2);
    ASSERT_EQ(box->horizontalScroll(), 2);
    const QImage image = render();
    const QColor red = colourOf(Red);
    EXPECT_EQ(pixelsNear(image, 0, 0, red), 0);
    EXPECT_EQ(pixelsNear(image, 1, 0, red), 0);
    EXPECT_GT(pixelsNear(image, 2, 0, red), 0) << "the W stands at window column 2";
}

TEST_F(EditBoxPainting, ScrollingPastALetterStartsTheTabAtTheLeftEdge) {
    setText("M\tW\nMMM");
    box->horizontalScrollBar()->setSliderPosition(1);
    const QImage image = render();
    const QColor red = colourOf(Red);
    EXPECT_EQ(pixelsNear(image, 0, 0, red), 0) << "the M is scrolled off";
    EXPECT_GT(pixelsNear(image, 4, 0, red), 0);
    EXPECT_GT(pixelsNear(image, 1, 1, red), 0);
    EXPECT_EQ(pixelsNear(image, 2, 1, red), 0) << "MMM shows two letters from column 0";
}

TEST_F(EditBoxPainting, ALineShorterThanTheScrollShowsNothing) {
    setText("M\nMMMMMM");
    box->horizontalScrollBar()->setSliderPosition(3);
    const QImage image = render();
    const QColor red = colourOf(Red);
    EXPECT_EQ(pixelsNear(image, 0, 0, red), 0);
    EXPECT_GT(pixelsNear(image, 0, 1, red), 0);
}

TEST_F(EditBoxPainting, SelectionOverLinesIsHighlightWithWhiteTextAndTheRestStaysWhite) {
    setText("MMM\nMMM\nMMM");
    box->SetSelection(1, 9, true);
    const QImage image = render();
    const QColor hiLight = colourOf(HiLight);
    const QColor red = colourOf(Red);
    const int cellPixels = box->charWidth() * box->lineHeight();
    EXPECT_EQ(pixelsNear(image, 0, 0, hiLight), 0);
    EXPECT_GT(pixelsNear(image, 0, 0, red), 0);
    for (const auto& [column, row] : {std::pair{1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}}) {
        EXPECT_GT(pixelsNear(image, column, row, hiLight), cellPixels / 3) << column << "," << row;
        EXPECT_GT(pixelsNear(image, column, row, Qt::white), 0) << "white letters";
        EXPECT_EQ(pixelsNear(image, column, row, red), 0);
    }
    EXPECT_EQ(pixelsNear(image, 5, 1, Qt::white), cellPixels) << "after the line's end";
    EXPECT_EQ(pixelsNear(image, 1, 2, hiLight), 0);
}

TEST_F(EditBoxPainting, MarginsStayWhite) {
    setText("MMMM");
    box->SetSelection(0, 4, true);
    const QImage image = render();
    for (int y = 0; y < ViewGeometry::Margin; ++y) {
        for (int x = 0; x < image.width(); x += 3) {
            ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
        }
    }
    for (int x = 0; x < ViewGeometry::Margin - 1; ++x) {
        ASSERT_EQ(image.pixelColor(x, 20), QColor(Qt::white)) << x;
    }
}

TEST_F(EditBoxPainting, InvalidBytesAndByteZeroKeepTheirCells) {
    setText(std::string("M\0\xFFW", 4));
    const QImage image = render();
    EXPECT_GT(pixelsNear(image, 3, 0, colourOf(Red)), 0) << "each byte is one column";
    EXPECT_EQ(box->model().length(), 4);
}

TEST_F(EditBoxPainting, TheCaretIsDrawnWhileFocused) {
    setText("M");
    box->SetSelection(1, 1, true);
    const ViewPoint point = box->caretPoint();
    ASSERT_TRUE(box->isCaretShown());
    const QImage image = render();
    EXPECT_EQ(point.x, ViewGeometry::Margin + box->charWidth());
    EXPECT_NE(image.pixelColor(point.x, point.y + box->lineHeight() / 2), QColor(Qt::white));
}

} // namespace

namespace {

using EditBoxRunPainting = EditBoxFixture;

// A long run followed by a run of another colour: the second run must start
// on its own column even when the font's advance is not a whole pixel.
// A font size whose letters advance by a fraction of a pixel.
QFont fractionalFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (qreal size = 8.0; size < 16.0; size += 0.25) {
        font.setPointSizeF(size);
        const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
        if (advance - std::floor(advance) > 0.2 && advance - std::floor(advance) < 0.8) {
            break;
        }
    }
    return font;
}

TEST_F(EditBoxRunPainting, TheSelectionCoversExactlyItsOwnCells) {
    box->setTextFont(fractionalFont());
    setText(std::string(50, 'M') + "<");
    box->SetSelection(40, 50, true);
    const QImage image = render();
    const QColor hiLight = colourOf(HiLight);
    EXPECT_GT(pixelsNear(image, 49, 0, hiLight), 0);
    EXPECT_EQ(pixelsNear(image, 50, 0, hiLight), 0) << "the '<' after the selection stays white";
    EXPECT_EQ(pixelsNear(image, 39, 0, hiLight), 0);
}

TEST_F(EditBoxRunPainting, ARunAfterALongRunStartsOnItsOwnColumn) {
    box->setTextFont(fractionalFont());
    const std::string plain(40, 'M');
    setText(plain + "<B>");
    box->model().SetAttributes(41, 42, 2);
    const QImage image = render();
    const QColor green = colourOf(Green);
    const QColor red = colourOf(Red);
    EXPECT_EQ(pixelsNear(image, 40, 0, green), 0) << "the '<' cell holds no tag colour";
    EXPECT_GT(pixelsNear(image, 39, 0, red), 0) << "the last M stands in its own cell";
    EXPECT_GT(pixelsNear(image, 41, 0, green), 0) << "the B stands in its own cell";
    EXPECT_EQ(pixelsNear(image, 42, 0, green), 0);
}

} // namespace
