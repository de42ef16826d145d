#pragma once

#include "WaitUntil.h"
#include "app/CEditorSettings.h"
#include "editor/qt/CMyEditBox.h"
#include "editor/qt/ColorKeyWorker.h"
#include "editor/qt/EditorColorizer.h"
#include "html/CTagData.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// A small vocabulary: enough tags to colour, suspend and describe.
inline const char* const FixtureTags = R"(B
{
	(INFO)Bold text
}
A
{
	(INFO)Anchor
	HREF
	{
		(LINK)
		(INFO)Link target
	}
}
SCRIPT
{
	(SUSPEND)
	(INFO)Script
}
XMP
{
	(TOTALSUSPEND)
	(INFO)Example
}
)";

// An editor shown offscreen at a fixed size, with distinct colours so that
// pixels tell default text, tags, arguments, values, marks and selection
// apart.
class EditBoxFixture : public ::testing::Test {
protected:
    static constexpr std::uint32_t Red = 0x0000FF; // 0x00BBGGRR
    static constexpr std::uint32_t Green = 0x00FF00;
    static constexpr std::uint32_t Blue = 0xFF0000;
    static constexpr std::uint32_t HiLight = 0x800000;

    void SetUp() override {
        tags.loadFromText(FixtureTags, "");
        settings.Color[CEditorSettings::DefaultColor] = Red;
        settings.Color[CEditorSettings::TagColor] = Green;
        settings.Color[CEditorSettings::HiLightColor] = HiLight;
        settings.Color[CEditorSettings::MarkColor] = Blue;
        settings.Editing[CEditorSettings::CodeHelperAutomatic] = 0;
        settings.Editing[CEditorSettings::CodeHelperOnCtrl] = 0;
        EditBoxHooks hooks;
        hooks.useMarks = [this] { return useMarks; };
        hooks.showMessage = [this](const QString& text, const QString&) {
            messages.push_back(text.toStdString());
        };
        box = std::make_unique<CMyEditBox>(settings, tags, worker, hooks);
        box->resize(480, 320);
        box->show();
        box->activateWindow();
        box->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    }

    // Replaces the whole text and puts the caret at the start.
    void setText(const std::string& text) {
        box->model().ReplaceRange(0, box->model().length(), text);
        box->SetSelection(0, 0, true);
        box->setTopLine(0);
    }

    // Characters QTest cannot name as keys, sent as a keyboard layout would.
    void typeUnicode(const QString& characters) {
        for (const QChar c : characters) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box.get(), &press);
        }
    }

    std::string text() const { return box->model().text(); }
    Selection selection() const { return box->model().GetSelection(); }

    // Waits for the colouring to be applied.
    void waitForColouring() {
        ASSERT_TRUE(waitUntilIdle(box->colorizer()));
        QCoreApplication::processEvents();
    }

    QImage render() const { return box->viewport()->grab().toImage(); }

    QPoint cellCentre(int column, int row) const {
        return {ViewGeometry::Margin + column * box->charWidth() + box->charWidth() / 2,
                ViewGeometry::Margin + row * box->lineHeight() + box->lineHeight() / 2};
    }

    // Pixels of the cell that are close to colour (the strokes of a glyph
    // drawn in it, or its background).
    int pixelsNear(const QImage& image, int column, int row, const QColor& colour) const {
        int count = 0;
        const int left = ViewGeometry::Margin + column * box->charWidth();
        const int top = ViewGeometry::Margin + row * box->lineHeight();
        for (int y = top; y < top + box->lineHeight(); ++y) {
            for (int x = left; x < left + box->charWidth(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (std::abs(pixel.red() - colour.red()) < 40 &&
                    std::abs(pixel.green() - colour.green()) < 40 &&
                    std::abs(pixel.blue() - colour.blue()) < 40) {
                    ++count;
                }
            }
        }
        return count;
    }

    static QColor colourOf(std::uint32_t colorRef) {
        return EditorColourTable::fromColorRef(colorRef);
    }

    // A mouse move delivered whatever the last cursor position was.
    void moveMouse(QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(box->viewport()->mapToGlobal(at)),
                         Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &move);
    }

    void click(int column, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(box->viewport(), Qt::LeftButton, modifiers, cellLeft(column, row));
    }

    // A point a little left of a cell's left edge: with the snap of the
    // mouse handlers it lands before that cell's character.
    QPoint cellLeft(int column, int row) const {
        return {ViewGeometry::Margin + column * box->charWidth() - 4,
                ViewGeometry::Margin + row * box->lineHeight() + 2};
    }

    ColorKeyWorker worker; // the application's colouring thread, outliving the box
    CTagData tags;
    CEditorSettings settings;
    bool useMarks = false;
    std::vector<std::string> messages;
    std::unique_ptr<CMyEditBox> box;
};
