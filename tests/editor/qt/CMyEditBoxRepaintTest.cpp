#include "EditBoxFixture.h"

#include <QPaintEvent>
#include <QPixmap>
#include <QScreen>
#include <functional>

namespace {

// Notes how many pixel rows of the text area each repaint covered.
class PaintedHeight : public QObject {
public:
    int height = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            height += static_cast<QPaintEvent*>(event)->region().boundingRect().height();
        return false;
    }
};

// The editor repaints only the rows that changed; what the screen then shows
// must be what painting the whole area afresh shows.
class EditBoxRepainting : public EditBoxFixture {
protected:
    void SetUp() override {
        EditBoxFixture::SetUp();
        settings.Editing[CEditorSettings::ColorKeyWhileEditing] = 1;
        std::string lines;
        for (int i = 0; i < 30; ++i)
            lines += "text <b>bold " + std::to_string(i) + "</b> <a href=x>link</a>\n";
        setText(lines);
        box->ColorKey();
        waitForColouring();
        showUpdates();
        box->viewport()->installEventFilter(&painted);
    }

    // Paints what the editor asked for, as the next frame would.
    int showUpdates() {
        painted.height = 0;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        return painted.height;
    }

    // The text area as the screen shows it now, not painted again.
    QImage onScreen() const {
        const QPoint origin = box->viewport()->mapTo(box.get(), QPoint(0, 0));
        const QPixmap window = box->screen()->grabWindow(box->winId());
        return window.copy(QRect(origin, box->viewport()->size())).toImage();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(box.get(), key, modifiers);
    }

    PaintedHeight painted;
};

// The first pixel row where the two images differ, or -1.
int firstDifferentRow(const QImage& shown, const QImage& fresh) {
    if (shown.size() != fresh.size())
        return 0;
    const QImage a = shown.convertToFormat(QImage::Format_RGB32);
    const QImage b = fresh.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return y;
        }
    }
    return -1;
}

} // namespace

TEST_F(EditBoxRepainting, TheScreenShowsWhatAFreshPaintShowsAfterEachChange) {
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"a letter typed", [this] { press(Qt::Key_X); }},
        {"a tag typed", [this] { typeUnicode("<i>"); }},
        {"a line broken", [this] { press(Qt::Key_Return); }},
        {"lines joined", [this] { press(Qt::Key_Backspace); }},
        {"a quote that runs on", [this] { typeUnicode("<a href=\""); }},
        {"the caret moved down", [this] { press(Qt::Key_Down); }},
        {"a selection made", [this] { press(Qt::Key_Down, Qt::ShiftModifier); }},
        {"the selection deleted", [this] { press(Qt::Key_Delete); }},
        {"undone", [this] { box->Undo(); }},
        {"the view scrolled", [this] { box->setTopLine(3); }},
        {"a mark set",
         [this] {
             box->SetSelection(10, 40, true);
             box->MarkSelection();
         }},
    };
    box->SetSelection(70, 70, true);
    showUpdates();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        test.act();
        showUpdates();
        waitForColouring();
        showUpdates();
        ASSERT_EQ(firstDifferentRow(onScreen(), render()), -1);
    }
}

// The typed character is coloured at once, so nothing waits for the
// colouring thread here.
TEST_F(EditBoxRepainting, ATypedLetterRepaintsItsRowAndALineBreakTheRowsBelow) {
    box->SetSelection(70, 70, true);
    showUpdates();
    press(Qt::Key_X);
    EXPECT_FALSE(box->colorizer().isBusy());
    EXPECT_EQ(showUpdates(), box->lineHeight());
    press(Qt::Key_Return);
    EXPECT_FALSE(box->colorizer().isBusy());
    const int caretRowTop = box->caretPoint().y - box->lineHeight();
    EXPECT_EQ(showUpdates(), box->viewport()->height() - caretRowTop);
}
