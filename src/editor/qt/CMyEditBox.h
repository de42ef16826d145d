#pragma once

#include "EditBoxHooks.h"
#include "EditorColourTable.h"
#include "ShownView.h"
#include "ViewGeometry.h"
#include "WidestLine.h"
#include "editor/TextModel.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <filesystem>
#include <string_view>

class CTagData;
class ColorKeyWorker;
class EditorColorizer;
class ICodeHelper;
class LineNumberGutter;
class QPainter;
struct CEditorSettings;

// The editing control of a document window: draws its own text model in the
// fixed font with the syntax colours, keeps caret, selection and scroll bars
// in step, and turns keys, characters and mouse buttons into edits. Every
// change of the text goes through the model's ReplaceRange.
class CMyEditBox : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int VerticalRange = 1000;
    // The horizontal scroll range in columns: at least this, and as wide as
    // the longest line, so that the caret can always be shown.
    static constexpr int MinHorizontalRange = 500;
    static constexpr int AutoScrollInterval = 50; // milliseconds
    static constexpr int PageKeyLines = 15;
    static constexpr int CaretWidth = 2; // pixels

    // worker is the application's colouring thread; it outlives the editor.
    CMyEditBox(const CEditorSettings& settings, const CTagData& tags, ColorKeyWorker& worker,
               EditBoxHooks hooks = {}, QWidget* parent = nullptr);
    ~CMyEditBox() override;

    TextModel& model() { return model_; }
    const TextModel& model() const { return model_; }
    EditorColorizer& colorizer() { return *colorizer_; }
    const EditorColourTable& colourTable() const { return colourTable_; }
    // May be null: no completion list is shown then. Not owned.
    void setCodeHelper(ICodeHelper* helper) { codeHelper_ = helper; }

    // reason, when given, receives the system's words for a failure.
    FileResult LoadFile(const std::filesystem::path& path, std::string* reason = nullptr);
    // The text font (the system's fixed font at first); every cell takes
    // the advance of "M", rounded up to whole pixels.
    void setTextFont(const QFont& font);
    // Repaints the whole client area. Every change of text, selection or
    // marks ends here, so it also tells whoever shows state that depends on
    // them (changed()).
    void Refresh();

    // Selection and view.
    void SetSelection(int start, int end, bool redraw);
    void SelectAll();
    void SelectAndShow(int start, int end);
    ViewPoint OffsetToPoint(int offset) const;
    int PointToOffset(int x, int y) const;
    void PlaceCaret(int x, int y);
    void EnsureCaretColumnVisible();
    int topOffset() const;
    int topLine() const;
    void setTopLine(int line);
    int horizontalScroll() const { return horizontalScroll_; }
    int charWidth() const { return charWidth_; }
    int lineHeight() const { return lineHeight_; }
    ViewPoint caretPoint() const { return caretPoint_; }
    bool isCaretShown() const;

    // Caret movement: each collapses or extends the selection and keeps the
    // moved end in view.
    void CaretLeft();
    void CaretRight();
    void CaretUp();
    void CaretDown();
    void ExtendLeft();
    void ExtendRight();
    void ExtendUp();
    void ExtendDown();

    // The line-number gutter left of the text (hidden at first).
    void setLineNumbersShown(bool shown);
    bool lineNumbersShown() const;
    LineNumberGutter* lineNumberGutter() const { return gutter_; }
    // Selects the whole line, its line feed included.
    void selectLine(int line);
    const QFont& textFont() const { return font_; }

    // Colouring.
    void ColorKey();
    // Draws everything again in the user's colours as the settings hold them
    // now.
    void refreshColours();
    void ColorKeyLine(int line);

    // Undo, redo and marks, each followed by a recolouring and a repaint.
    bool Undo();
    bool Redo();
    void MarkSelection();
    void RemoveMark();
    void RemoveAllMarks();
    // The caller recolours afterwards, once for all the marks it adds.
    void AddMark(CMarkRecord mark);
    bool IsSelectionStartInMark() const;

    // Clipboard.
    void Copy();
    void Cut();
    void Paste();
    void CopyPlainText();
    void DeleteSelection();
    void CopyToClipboard(std::string_view text);
    // The clipboard's text as Paste would insert it: line feeds only.
    std::string clipboardBytes() const;

    // The description of the tag or mark at offset, as the status bar shows it.
    QString tagInfoAt(int offset) const;

signals:
    // The text, the selection or the marks may have changed.
    void changed();
    // Text for the status bar's message pane after keys, caret moves and
    // mouse moves.
    void tagInfoChanged(const QString& text);
    // The owner shows the editor's context menu at this screen point.
    void contextMenuRequested(const QPoint& globalPos);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    ViewGeometry geometry() const;

    // Repainting.
    ShownView currentView() const;
    void updateChangedRows();
    void updateRows(int start, int end, bool toBottom);
    int rowOf(int offset, int limit) const;
    QRect caretRect(ViewPoint point) const;
    void layoutGutter();
    void measureFont(const QFont& font);
    void setTopOffset(int offset);
    int lineStartClamped(int line) const;
    int visibleRows() const;

    // Caret and selection bookkeeping.
    bool showHistoryStep(bool stepped);
    void collapseTo(int offset);
    void applyExtent();
    int movingEnd() const;
    void syncShift(bool down);
    void placeCaretAtCaret();
    void scrollToShow(int offset);
    void finishMove(int shownOffset);
    void followUpward(int offset);
    void followDownward(int offset);
    int offsetOnAdjacentLine(int offset, int direction) const;

    // Scroll bars.
    void onVerticalAction(int action);
    void onHorizontalAction(int action);
    void scrollLines(int lines);
    void scrollPage(int direction);
    void trackVerticalThumb(int position);
    void updateVerticalThumb();
    void updateHorizontalThumb();
    void setVerticalThumb(int position);
    void setHorizontalScroll(int columns);
    int horizontalRange();
    void updateHorizontalRange();

    // Keyboard.
    bool handleNavigationKey(QKeyEvent* event);
    bool handleControlNavigationKey(int key, bool shift);
    void moveCaretTo(int target, bool shift);
    bool handleEditingKey(QKeyEvent* event);
    void onKeyHome(bool shift);
    void onKeyEnd(bool shift);
    void onKeyDelete();
    void onKeyBackspace();
    void onKeyVertical(int direction, bool shift);
    void onKeyHorizontal(int direction, bool shift);
    void onChar(QKeyEvent* event);
    bool onControlChar(int key);
    void onReturn();
    void onTab(bool unindent);
    void typeText(const QString& text);
    void paintPreedit(QPainter& painter) const;
    bool insertTyped(std::string_view bytes);
    void afterTyping();
    void afterDeletion();
    bool deleteRange(int start, int end);
    bool ownsKey(const QKeyEvent* event) const;
    bool isCommandKey(const QKeyEvent* event) const;
    void hideCodeHelper();
    void colorKeyCaretLine();

    // Mouse.
    void pressLeft(QMouseEvent* event);
    void dragTo(QPoint point);
    bool finishDrag(QPoint point);
    void updateAutoScrollTimers(QPoint point);
    void stopAutoScroll();
    void autoScrollVertically();
    void autoScrollHorizontally();
    void selectByDoubleClick(QPoint point, bool control);
    void emitTagInfo(int offset);
    bool showToolTip(QEvent* event);

    // Clipboard helpers.
    void message(const QString& text, const QString& caption);
    bool useMarks() const;

    const CEditorSettings& settings_;
    const CTagData& tags_;
    EditBoxHooks hooks_;
    TextModel model_;
    EditorColorizer* colorizer_ = nullptr;
    ICodeHelper* codeHelper_ = nullptr;
    EditorColourTable colourTable_;

    QFont font_;
    int charWidth_ = 8;
    int lineHeight_ = 16;
    int ascent_ = 12;

    int topOffset_ = 0;
    int horizontalScroll_ = 0;
    int anchor_ = 0;
    int extent_ = 0;
    bool dragging_ = false;
    bool shiftDown_ = false;
    bool controlDown_ = false;
    bool controlMovedCaret_ = false;
    bool caretHidden_ = true;
    bool inScrollAction_ = false;
    ViewPoint caretPoint_;
    QString preedit_; // what an input method is composing, shown at the caret
    QPoint lastMouse_;
    QBasicTimer verticalScrollTimer_;   // the auto-scroll timer 1000
    QBasicTimer horizontalScrollTimer_; // the auto-scroll timer 1001
    WidestLine widestLine_;
    // What the last refresh showed, and whether something it does not
    // describe (the font, the colours) changed since.
    ShownView shown_;
    bool wholeViewChanged_ = true;
    LineNumberGutter* gutter_ = nullptr; // null while line numbers are off
};
