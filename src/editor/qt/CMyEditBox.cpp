#include "CMyEditBox.h"

#include "EditorColorizer.h"
#include "EditorPainter.h"
#include "ICodeHelper.h"
#include "Utf8Text.h"
#include "app/CEditorSettings.h"
#include "editor/ModelTagInfo.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>
#include <algorithm>

CMyEditBox::CMyEditBox(const CEditorSettings& settings, const CTagData& tags,
                       ColorKeyWorker& worker, EditBoxHooks hooks, QWidget* parent)
    : QAbstractScrollArea(parent), settings_(settings), tags_(tags), hooks_(std::move(hooks)),
      colourTable_(settings) {
    colorizer_ = new EditorColorizer(model_, tags_, settings_, worker, this);
    connect(colorizer_, &EditorColorizer::colored, this, [this](int, int) { Refresh(); });
    measureFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setRange(0, VerticalRange);
    horizontalScrollBar()->setRange(0, MinHorizontalRange);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &CMyEditBox::onVerticalAction);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            &CMyEditBox::onHorizontalAction);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled);
}

CMyEditBox::~CMyEditBox() = default;

void CMyEditBox::setTextFont(const QFont& font) {
    measureFont(font);
    wholeViewChanged_ = true;
    layoutGutter();
    updateVerticalThumb();
    updateHorizontalThumb();
    Refresh();
}

void CMyEditBox::measureFont(const QFont& font) {
    font_ = font;
    // The advance of a letter is the column width of a fixed-pitch font;
    // the font's maximum width may belong to a wider fallback glyph. The
    // advance may be fractional: spacing the letters out to whole pixels
    // keeps a run of text on the columns that the caret and mouse use.
    const qreal advance = QFontMetricsF(font_).horizontalAdvance(QLatin1Char('M'));
    charWidth_ = std::max(1, qCeil(advance));
    font_.setLetterSpacing(QFont::AbsoluteSpacing, charWidth_ - advance);
    const QFontMetrics metrics(font_);
    lineHeight_ = std::max(1, metrics.height() + std::max(0, metrics.leading()));
    ascent_ = metrics.ascent();
}

FileResult CMyEditBox::LoadFile(const std::filesystem::path& path, std::string* reason) {
    const FileResult result = model_.LoadFile(path, reason);
    if (result == FileResult::Ok) {
        topOffset_ = 0;
        horizontalScroll_ = 0;
        collapseTo(0);
        updateVerticalThumb();
        updateHorizontalThumb();
        placeCaretAtCaret();
        Refresh();
    }
    return result;
}

// ---- view ------------------------------------------------------------------

ViewGeometry CMyEditBox::geometry() const {
    return ViewGeometry(model_.text(), topOffset(), horizontalScroll_, charWidth_, lineHeight_);
}

int CMyEditBox::topOffset() const {
    // Edits made straight on the model may leave the stored offset inside a
    // line or past the end; the view always starts at a line's first byte.
    const std::string& text = model_.text();
    const int offset = std::clamp(topOffset_, 0, static_cast<int>(text.size()));
    if (offset == 0) {
        return 0;
    }
    const std::size_t lineFeed = text.rfind('\n', static_cast<std::size_t>(offset - 1));
    return lineFeed == std::string::npos ? 0 : static_cast<int>(lineFeed) + 1;
}

void CMyEditBox::setTopOffset(int offset) {
    topOffset_ = offset;
    topOffset_ = topOffset();
}

int CMyEditBox::topLine() const {
    return model_.LineOfOffset(topOffset());
}

int CMyEditBox::lineStartClamped(int line) const {
    const int start = model_.LineStart(std::max(0, line));
    if (start >= 0) {
        return start;
    }
    // Past the last line, or the empty line after a final line feed.
    return geometry().lineStartOf(model_.length());
}

void CMyEditBox::setTopLine(int line) {
    setTopOffset(lineStartClamped(std::clamp(line, 0, model_.LineCount() - 1)));
    updateVerticalThumb();
    placeCaretAtCaret();
    Refresh();
}

int CMyEditBox::visibleRows() const {
    return std::max(1, (viewport()->height() - ViewGeometry::Margin) / lineHeight_);
}

ViewPoint CMyEditBox::OffsetToPoint(int offset) const {
    return geometry().OffsetToPoint(offset);
}

int CMyEditBox::PointToOffset(int x, int y) const {
    return geometry().PointToOffset(x, y);
}

void CMyEditBox::PlaceCaret(int x, int y) {
    viewport()->update(caretRect(caretPoint_));
    caretPoint_ = {x, y};
    // The caret shows at the text's origin too; only an off-screen point
    // hides it.
    caretHidden_ = x < 0 || y < 0;
    viewport()->update(caretRect(caretPoint_));
}

bool CMyEditBox::isCaretShown() const {
    return hasFocus() && !caretHidden_;
}

void CMyEditBox::placeCaretAtCaret() {
    const ViewPoint point = OffsetToPoint(model_.GetSelection().caret);
    PlaceCaret(point.x, point.y);
}

void CMyEditBox::EnsureCaretColumnVisible() {
    const int columns = viewport()->width() / charWidth_;
    const int step = std::max(1, static_cast<int>(0.8 * columns));
    // Counted in columns, so that a line of tabs still scrolls far enough to
    // show the caret.
    const int column = geometry().columnOf(model_.GetSelection().caret);
    horizontalScroll_ = std::min(horizontalRange(), (column / step) * step);
    placeCaretAtCaret();
    Refresh();
    updateHorizontalThumb();
}

void CMyEditBox::setHorizontalScroll(int columns) {
    horizontalScroll_ = std::clamp(columns, 0, horizontalRange());
    Refresh();
    updateHorizontalThumb();
    placeCaretAtCaret();
}

void CMyEditBox::scrollToShow(int offset) {
    const ViewGeometry view = geometry();
    const bool above = offset < view.topOffset();
    if (!above && view.rowCount(view.topOffset(), offset) < visibleRows()) {
        return;
    }
    // The shown row ends up about half a client height down.
    const int halfRows =
        std::max(0, (viewport()->height() / 2 - ViewGeometry::Margin) / lineHeight_);
    setTopOffset(lineStartClamped(std::max(0, model_.LineOfOffset(offset) - halfRows)));
    Refresh();
}

void CMyEditBox::SelectAndShow(int start, int end) {
    scrollToShow(end);
    model_.SetSelection(start, end);
    const Selection selection = model_.GetSelection();
    anchor_ = selection.start;
    extent_ = selection.caret - selection.start;
    placeCaretAtCaret();
    updateVerticalThumb();
}

void CMyEditBox::SetSelection(int start, int end, bool redraw) {
    model_.SetSelection(start, end);
    const Selection selection = model_.GetSelection();
    anchor_ = selection.start;
    extent_ = selection.caret - selection.start;
    if (redraw) {
        placeCaretAtCaret();
        Refresh();
    }
}

void CMyEditBox::SelectAll() {
    SetSelection(0, model_.length(), true);
}

// ---- caret and selection -----------------------------------------------------

void CMyEditBox::collapseTo(int offset) {
    model_.SetSelection(offset, offset);
    anchor_ = model_.GetSelection().caret;
    extent_ = 0;
}

int CMyEditBox::movingEnd() const {
    return std::clamp(anchor_ + extent_, 0, model_.length());
}

void CMyEditBox::applyExtent() {
    const int moving = movingEnd();
    model_.SetSelection(std::min(anchor_, moving), std::max(anchor_, moving));
}

void CMyEditBox::syncShift(bool down) {
    if (down && !shiftDown_) {
        shiftDown_ = true;
        // A selection that still is the one anchor and extent made goes on
        // from its anchor, also backwards; any other grows from its start.
        const Selection selection = model_.GetSelection();
        const int moving = movingEnd();
        if (selection.start != std::min(anchor_, moving) ||
            selection.caret != std::max(anchor_, moving)) {
            anchor_ = selection.start;
            extent_ = selection.caret - selection.start;
        }
        applyExtent();
    } else if (!down) {
        shiftDown_ = false;
    }
}

void CMyEditBox::finishMove(int shownOffset) {
    scrollToShow(shownOffset);
    placeCaretAtCaret();
    updateVerticalThumb();
}

void CMyEditBox::followUpward(int offset) {
    if (offset < topOffset()) {
        setTopOffset(geometry().lineStartOf(offset));
    }
}

void CMyEditBox::followDownward(int offset) {
    const ViewGeometry view = geometry();
    if (offset >= view.topOffset() && view.rowCount(view.topOffset(), offset) >= visibleRows()) {
        int top = view.topOffset();
        for (int i = 0; i < 2; ++i) {
            const int next = view.nextLineStart(top);
            top = next < 0 ? top : next;
        }
        setTopOffset(top);
    }
}

int CMyEditBox::offsetOnAdjacentLine(int offset, int direction) const {
    const ViewGeometry view = geometry();
    const int column = view.columnOf(offset);
    const int lineStart = view.lineStartOf(offset);
    const int target = direction < 0 ? view.lineStartOf(lineStart - 1) : view.nextLineStart(offset);
    return view.offsetAtColumn(target, column);
}

void CMyEditBox::CaretLeft() {
    const int start = model_.GetSelection().start;
    const int target = start < 1 ? 0 : Utf8Text::previousCharStart(model_.text(), start);
    collapseTo(target);
    followUpward(target);
    finishMove(target);
}

void CMyEditBox::CaretRight() {
    const int caret = model_.GetSelection().caret;
    if (caret >= model_.length()) {
        return;
    }
    const int target = caret + Utf8Text::charLength(model_.text(), caret);
    collapseTo(target);
    followDownward(target);
    finishMove(target);
}

void CMyEditBox::CaretUp() {
    const int start = model_.GetSelection().start;
    const ViewGeometry view = geometry();
    const int target = view.lineStartOf(start) == 0 ? 0 : offsetOnAdjacentLine(start, -1);
    collapseTo(target);
    followUpward(target);
    finishMove(target);
}

void CMyEditBox::CaretDown() {
    const int caret = model_.GetSelection().caret;
    if (geometry().nextLineStart(caret) < 0) {
        return;
    }
    const int target = offsetOnAdjacentLine(caret, +1);
    collapseTo(target);
    followDownward(target);
    finishMove(target);
}

void CMyEditBox::ExtendLeft() {
    const int moving = movingEnd();
    if (moving > 0) {
        extent_ -= moving - Utf8Text::previousCharStart(model_.text(), moving);
    }
    applyExtent();
    followUpward(movingEnd());
    finishMove(movingEnd());
}

void CMyEditBox::ExtendRight() {
    const int moving = movingEnd();
    if (moving < model_.length()) {
        extent_ += Utf8Text::charLength(model_.text(), moving);
    }
    applyExtent();
    followDownward(movingEnd());
    finishMove(movingEnd());
}

void CMyEditBox::ExtendUp() {
    const int moving = movingEnd();
    const int target = geometry().lineStartOf(moving) == 0 ? 0 : offsetOnAdjacentLine(moving, -1);
    extent_ = target - anchor_;
    applyExtent();
    followUpward(target);
    finishMove(target);
}

void CMyEditBox::ExtendDown() {
    const int moving = movingEnd();
    const bool lastLine = geometry().nextLineStart(moving) < 0;
    const int target = lastLine ? model_.length() : offsetOnAdjacentLine(moving, +1);
    extent_ = target - anchor_;
    applyExtent();
    followDownward(target);
    finishMove(target);
}

// ---- scroll bars -------------------------------------------------------------

void CMyEditBox::scrollContentsBy(int, int) {
    // The scroll bars are driven by onVerticalAction and onHorizontalAction;
    // their values are thumbs, not pixel offsets.
}

void CMyEditBox::setVerticalThumb(int position) {
    if (inScrollAction_) {
        verticalScrollBar()->setSliderPosition(position);
    } else {
        verticalScrollBar()->setValue(position);
    }
}

void CMyEditBox::updateVerticalThumb() {
    const long long thumb =
        static_cast<long long>(topLine()) * VerticalRange / std::max(1, model_.LineCount());
    setVerticalThumb(static_cast<int>(thumb));
}

int CMyEditBox::horizontalRange() {
    return std::max(MinHorizontalRange, widestLine_.columns(model_));
}

void CMyEditBox::updateHorizontalRange() {
    const int range = horizontalRange();
    if (horizontalScrollBar()->maximum() == range) {
        return;
    }
    // A view scrolled past the longest line that is left shows nothing.
    horizontalScroll_ = std::min(horizontalScroll_, range);
    horizontalScrollBar()->setRange(0, range);
    updateHorizontalThumb();
}

void CMyEditBox::updateHorizontalThumb() {
    if (inScrollAction_) {
        horizontalScrollBar()->setSliderPosition(horizontalScroll_);
    } else {
        horizontalScrollBar()->setValue(horizontalScroll_);
    }
}

void CMyEditBox::onVerticalAction(int action) {
    inScrollAction_ = true;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        scrollLines(1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        scrollLines(-1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        scrollPage(1);
        break;
    case QAbstractSlider::SliderPageStepSub:
        scrollPage(-1);
        break;
    case QAbstractSlider::SliderMove:
        trackVerticalThumb(verticalScrollBar()->sliderPosition());
        break;
    default:
        updateVerticalThumb();
        break;
    }
    inScrollAction_ = false;
}

void CMyEditBox::scrollLines(int lines) {
    const int line = std::clamp(topLine() + lines, 0, model_.LineCount() - 1);
    setTopOffset(lineStartClamped(line));
    placeCaretAtCaret();
    Refresh();
    updateVerticalThumb();
}

void CMyEditBox::scrollPage(int direction) {
    const int page = viewport()->height() / lineHeight_;
    const int lineCount = model_.LineCount();
    const int target = std::clamp(topLine() + direction * page, 0, lineCount - 1);
    collapseTo(lineStartClamped(target));
    setTopOffset(lineStartClamped(std::max(0, target - page / 2)));
    placeCaretAtCaret();
    Refresh();
    setVerticalThumb(static_cast<int>(static_cast<long long>(target) * VerticalRange / lineCount));
}

void CMyEditBox::trackVerticalThumb(int position) {
    // 64-bit: position × line count × line height passes 32 bits on a big file.
    const long long lineCount = model_.LineCount();
    const long long y = (static_cast<long long>(position) * 10000 / VerticalRange) * lineCount *
                        lineHeight_ / 10000;
    const long long line = std::min(y / lineHeight_, lineCount - 1);
    setTopOffset(lineStartClamped(static_cast<int>(line)));
    placeCaretAtCaret();
    Refresh();
    setVerticalThumb(position);
}

void CMyEditBox::onHorizontalAction(int action) {
    inScrollAction_ = true;
    int columns = horizontalScroll_;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        columns += 1;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        columns -= 1;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        columns += columns < horizontalRange() - 39 ? 40 : 0;
        break;
    case QAbstractSlider::SliderPageStepSub:
        columns -= columns >= 40 ? 40 : 0;
        break;
    case QAbstractSlider::SliderMove:
        columns = horizontalScrollBar()->sliderPosition();
        break;
    default:
        break;
    }
    setHorizontalScroll(columns);
    inScrollAction_ = false;
}

// ---- painting ----------------------------------------------------------------

void CMyEditBox::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(font_);
    const ViewGeometry view = geometry();
    EditorPainter(painter, view, model_, colourTable_, ascent_)
        .paintText(viewport()->size(), event->rect());
    paintPreedit(painter);
    if (isCaretShown()) {
        painter.fillRect(caretRect(caretPoint_), colourTable_.colour(Attr::Default));
    }
}

void CMyEditBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    layoutGutter();
    placeCaretAtCaret();
}

void CMyEditBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    shiftDown_ = false;
    controlDown_ = false;
    placeCaretAtCaret();
}

void CMyEditBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    caretHidden_ = true;
    Refresh();
}

// ---- colouring, undo and marks ---------------------------------------------

void CMyEditBox::ColorKey() {
    colourTable_ = EditorColourTable(settings_);
    // The colours of the table may have changed: nothing on screen is right.
    wholeViewChanged_ = true;
    colorizer_->ColorKey();
}

void CMyEditBox::refreshColours() {
    colourTable_ = EditorColourTable(settings_);
    viewport()->update();
}

void CMyEditBox::ColorKeyLine(int line) {
    colorizer_->ColorKeyLine(line);
}

bool CMyEditBox::Undo() {
    return showHistoryStep(model_.Undo());
}

bool CMyEditBox::Redo() {
    return showHistoryStep(model_.Redo());
}

// After an undo or redo step the selection the step restored is shown, in a
// long line too, and the text coloured again.
bool CMyEditBox::showHistoryStep(bool stepped) {
    if (!stepped) {
        return false;
    }
    const Selection selection = model_.GetSelection();
    SelectAndShow(selection.start, selection.caret);
    EnsureCaretColumnVisible();
    ColorKey();
    Refresh();
    return true;
}

void CMyEditBox::MarkSelection() {
    model_.MarkSelection();
    ColorKey();
    Refresh();
}

void CMyEditBox::RemoveMark() {
    model_.RemoveMark(hooks_.linkValidationOpen && hooks_.linkValidationOpen());
    ColorKey();
    Refresh();
}

void CMyEditBox::RemoveAllMarks() {
    model_.RemoveAllMarks();
    ColorKey();
    Refresh();
}

void CMyEditBox::AddMark(CMarkRecord mark) {
    model_.AddMark(std::move(mark));
}

bool CMyEditBox::IsSelectionStartInMark() const {
    return model_.IsSelectionStartInMark();
}

QString CMyEditBox::tagInfoAt(int offset) const {
    const std::string text = ModelTagInfo(tags_, model_, offset);
    return QString::fromStdU16String(Utf8Text::toDisplay(text));
}

void CMyEditBox::emitTagInfo(int offset) {
    // While the completion list shows, the status bar describes its entry.
    if (codeHelper_ != nullptr && codeHelper_->isVisible()) {
        return;
    }
    emit tagInfoChanged(tagInfoAt(offset));
}
