#include "editor/qt/LineNumberGutter.h"

#include "EditBoxFixture.h"

#include <string>
#include <utility>
#include <vector>

namespace {

class LineNumberGutterTest : public EditBoxFixture {
protected:
    static std::string numberedLines(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "line " + std::to_string(i) + (i + 1 < count ? "\n" : "");
        }
        return text;
    }
    LineNumberGutter* gutter() const { return box->lineNumberGutter(); }
    QPoint gutterRow(int row) const {
        return {3, ViewGeometry::Margin + row * box->lineHeight() + box->lineHeight() / 2};
    }
    void clickGutter(int row) { QTest::mouseClick(gutter(), Qt::LeftButton, {}, gutterRow(row)); }
};

TEST_F(LineNumberGutterTest, OffsetsAndPointsConvertAsWithoutTheGutter) {
    setText("<p>\n\tone two\n\xC3\xA9t\xC3\xA9 three\n");
    const std::vector<int> offsets = {0, 3, 4, 5, 9, 14, 17, 23};
    const std::vector<QPoint> points = {
        cellCentre(0, 0), cellCentre(6, 1), cellCentre(2, 2), cellCentre(40, 1), {2, 2}};
    auto conversions = [&] {
        std::vector<std::pair<int, int>> seen;
        for (int offset : offsets) {
            seen.emplace_back(box->OffsetToPoint(offset).x, box->OffsetToPoint(offset).y);
        }
        for (QPoint point : points) {
            seen.emplace_back(box->PointToOffset(point.x(), point.y()), -1);
        }
        return seen;
    };
    const auto without = conversions();
    const int viewportLeft = box->viewport()->x();
    box->setLineNumbersShown(true);
    ASSERT_NE(gutter(), nullptr);
    EXPECT_EQ(conversions(), without);
    EXPECT_EQ(box->viewport()->x(), viewportLeft + gutter()->width());
    EXPECT_EQ(gutter()->geometry().right() + 1, box->viewport()->x());
    // A real click in the text lands on the same character either way.
    click(6, 1);
    EXPECT_EQ(selection().caret, 7); // "e" of "one", after the tab
    box->setLineNumbersShown(false);
    EXPECT_EQ(gutter(), nullptr);
    EXPECT_EQ(box->viewport()->x(), viewportLeft);
    EXPECT_EQ(conversions(), without);
}

TEST_F(LineNumberGutterTest, AClickSelectsTheLineOfItsRow) {
    setText(numberedLines(60));
    box->setLineNumbersShown(true);
    const TextModel& model = box->model();
    clickGutter(2);
    EXPECT_EQ(selection().start, model.LineStart(2));
    EXPECT_EQ(selection().caret, model.LineStart(3));
    EXPECT_EQ(QApplication::focusWidget(), box.get());
    box->setTopLine(40);
    clickGutter(1);
    EXPECT_EQ(selection().start, model.LineStart(41));
    EXPECT_EQ(selection().caret, model.LineStart(42));
    box->setTopLine(55);
    clickGutter(4); // the last line has no line feed
    EXPECT_EQ(selection().start, model.LineStart(59));
    EXPECT_EQ(selection().caret, model.length());
    clickGutter(8); // below the text: nothing changes
    EXPECT_EQ(selection().start, model.LineStart(59));
    EXPECT_EQ(selection().caret, model.length());
}

TEST_F(LineNumberGutterTest, HitTestingFollowsRowsAndTheTopMargin) {
    setText(numberedLines(5));
    box->setLineNumbersShown(true);
    const int height = box->lineHeight();
    EXPECT_EQ(gutter()->lineAt(0), 0); // in the top margin
    EXPECT_EQ(gutter()->lineAt(ViewGeometry::Margin + height - 1), 0);
    EXPECT_EQ(gutter()->lineAt(ViewGeometry::Margin + height), 1);
    EXPECT_EQ(gutter()->lineAt(ViewGeometry::Margin + 4 * height), 4);
    EXPECT_EQ(gutter()->lineAt(ViewGeometry::Margin + 5 * height), -1);
}

TEST_F(LineNumberGutterTest, WidensForMoreDigitsAndPaintsOnlyRowsWithLines) {
    setText(numberedLines(3));
    box->setLineNumbersShown(true);
    const int threeDigits = gutter()->width();
    EXPECT_EQ(threeDigits, 3 * box->charWidth() + 2 * LineNumberGutter::Padding);
    setText(numberedLines(12000));
    QApplication::processEvents();
    EXPECT_EQ(gutter()->width(), threeDigits + 2 * box->charWidth());
    EXPECT_EQ(gutter()->geometry().right() + 1, box->viewport()->x());

    setText(numberedLines(3));
    const QImage image = gutter()->grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    auto inked = [&](int row) {
        int count = 0;
        const int top = ViewGeometry::Margin + row * box->lineHeight();
        for (int y = top; y < top + box->lineHeight(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) != background ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(inked(0), 0);
    EXPECT_GT(inked(2), 0);
    EXPECT_EQ(inked(3), 0);
}

} // namespace
