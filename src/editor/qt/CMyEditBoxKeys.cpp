// Keyboard and character input of CMyEditBox.
#include "CMyEditBox.h"
#include "ICodeHelper.h"
#include "TextRanges.h"
#include "Utf8Text.h"
#include "app/CEditorSettings.h"
#include "editor/WordJump.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace {

bool isShift(const QKeyEvent* event) {
    return event->modifiers().testFlag(Qt::ShiftModifier);
}

// A character typed with AltGr arrives with Ctrl and Alt down: it is text,
// not a control code.
bool isControl(const QKeyEvent* event) {
    return event->modifiers().testFlag(Qt::ControlModifier) &&
           !event->modifiers().testFlag(Qt::AltModifier);
}

// Control codes other than the ones the editor acts on (Escape, for one)
// would only put invisible bytes into the document.
QString printableText(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F) {
            kept.append(c);
        }
    }
    return kept;
}

} // namespace

bool CMyEditBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && ownsKey(static_cast<QKeyEvent*>(event))) {
        // Keys that edit or move the caret stay with the editor even when a
        // menu command uses the same key.
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

bool CMyEditBox::isCommandKey(const QKeyEvent* event) const {
    return hooks_.isCommandKey && hooks_.isCommandKey(QKeySequence(event->keyCombination()));
}

// The one place that decides who a key belongs to. The editor takes the keys
// that move the caret or edit, the characters typed (AltGr ones too, which
// some systems send with Ctrl and Alt down) and its clipboard keys Ctrl+A, C,
// V and X. Alt without Ctrl is always the menus' (mnemonics and the Alt
// commands), and a key that a menu command is bound to is the command's.
bool CMyEditBox::ownsKey(const QKeyEvent* event) const {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if ((alt && !control) || isCommandKey(event)) {
        return false;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return !alt; // with Ctrl they jump by words and to the text's ends
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return !control;
    case Qt::Key_Escape:
        // Closes the completion list; otherwise it is the window's key.
        return codeHelper_ != nullptr && codeHelper_->isVisible();
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
        if (isControl(event)) {
            return true;
        }
        break;
    default:
        break;
    }
    return !isControl(event) && !printableText(event->text()).isEmpty();
}

bool CMyEditBox::focusNextPrevChild(bool) {
    return false; // Tab is text and block indent here, not focus movement
}

void CMyEditBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Shift:
        syncShift(true);
        return;
    case Qt::Key_Control:
        controlDown_ = true;
        controlMovedCaret_ = false;
        return;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        controlDown_ = false;
        return;
    default:
        break;
    }
    syncShift(isShift(event));
    controlDown_ = isControl(event);
    if (!ownsKey(event)) {
        // A menu's key that no shortcut took (a mnemonic of a menu not shown,
        // a disabled command) does nothing here rather than type its letter.
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        hideCodeHelper();
        return;
    }
    if (handleNavigationKey(event) || handleEditingKey(event)) {
        emitTagInfo(model_.GetSelection().caret);
        return;
    }
    onChar(event);
}

void CMyEditBox::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift) {
        shiftDown_ = false;
    } else if (event->key() == Qt::Key_Control) {
        controlDown_ = false;
        // Ctrl that moved the caret by words or to an end was not a call for
        // the completion list.
        const bool movedCaret = std::exchange(controlMovedCaret_, false);
        if (codeHelper_ != nullptr && !movedCaret &&
            settings_.isOn(CEditorSettings::CodeHelperOnCtrl)) {
            if (codeHelper_->isVisible()) {
                codeHelper_->HideCodeHelper();
            } else {
                codeHelper_->ShowCodeHelper();
            }
        }
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}

bool CMyEditBox::handleNavigationKey(QKeyEvent* event) {
    const bool shift = isShift(event);
    if (isControl(event)) {
        return handleControlNavigationKey(event->key(), shift);
    }
    switch (event->key()) {
    case Qt::Key_Left:
        onKeyHorizontal(-1, shift);
        return true;
    case Qt::Key_Right:
        onKeyHorizontal(+1, shift);
        return true;
    case Qt::Key_Up:
        onKeyVertical(-1, shift);
        return true;
    case Qt::Key_Down:
        onKeyVertical(+1, shift);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        for (int i = 0; i < PageKeyLines; ++i) {
            if (event->key() == Qt::Key_PageUp) {
                shift ? ExtendUp() : CaretUp();
            } else {
                shift ? ExtendDown() : CaretDown();
            }
        }
        Refresh();
        return true;
    case Qt::Key_Home:
        onKeyHome(shift);
        return true;
    case Qt::Key_End:
        onKeyEnd(shift);
        return true;
    default:
        return false;
    }
}

bool CMyEditBox::handleControlNavigationKey(int key, bool shift) {
    const Selection selection = model_.GetSelection();
    // Shift moves the selection's moving end; a plain jump starts from the
    // side it goes to, as the arrow keys do.
    const int leftFrom = shift ? movingEnd() : selection.start;
    const int rightFrom = shift ? movingEnd() : selection.caret;
    switch (key) {
    case Qt::Key_Left:
        moveCaretTo(WordJump::previous(model_.text(), leftFrom), shift);
        return true;
    case Qt::Key_Right:
        moveCaretTo(WordJump::next(model_.text(), rightFrom), shift);
        return true;
    case Qt::Key_Home:
        moveCaretTo(0, shift);
        return true;
    case Qt::Key_End:
        moveCaretTo(model_.length(), shift);
        return true;
    default:
        return false;
    }
}

void CMyEditBox::moveCaretTo(int target, bool shift) {
    controlMovedCaret_ = true;
    if (shift) {
        extent_ = target - anchor_;
        applyExtent();
    } else {
        collapseTo(target);
    }
    finishMove(target);
    EnsureCaretColumnVisible();
    hideCodeHelper();
    Refresh();
}

bool CMyEditBox::handleEditingKey(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Delete:
        onKeyDelete();
        return true;
    case Qt::Key_Backspace:
        onKeyBackspace();
        return true;
    default:
        return false;
    }
}

void CMyEditBox::onKeyHorizontal(int direction, bool shift) {
    if (shift) {
        direction < 0 ? ExtendLeft() : ExtendRight();
    } else {
        direction < 0 ? CaretLeft() : CaretRight();
    }
    EnsureCaretColumnVisible();
    hideCodeHelper();
    Refresh();
}

void CMyEditBox::onKeyVertical(int direction, bool shift) {
    if (codeHelper_ != nullptr && codeHelper_->isVisible()) {
        direction < 0 ? codeHelper_->SelectPrevious() : codeHelper_->SelectNext();
        return;
    }
    if (shift) {
        direction < 0 ? ExtendUp() : ExtendDown();
    } else {
        direction < 0 ? CaretUp() : CaretDown();
    }
    Refresh();
}

void CMyEditBox::onKeyHome(bool shift) {
    if (shift) {
        extent_ = geometry().lineStartOf(anchor_) - anchor_;
        applyExtent();
    } else {
        collapseTo(geometry().lineStartOf(model_.GetSelection().caret));
    }
    Refresh();
    EnsureCaretColumnVisible();
}

void CMyEditBox::onKeyEnd(bool shift) {
    if (shift) {
        extent_ = geometry().lineEndOf(anchor_) - anchor_;
        applyExtent();
    } else {
        collapseTo(geometry().lineEndOf(model_.GetSelection().caret));
    }
    Refresh();
    EnsureCaretColumnVisible();
}

bool CMyEditBox::deleteRange(int start, int end) {
    // Nothing to delete at the text's edges: no empty undo step, no modified
    // flag.
    if (start >= end) {
        return false;
    }
    model_.ReplaceRange(start, end, "", {}, UndoMode::Edit, true);
    collapseTo(start);
    return true;
}

void CMyEditBox::onKeyDelete() {
    const Selection selection = model_.GetSelection();
    int end = selection.caret;
    if (selection.start == selection.caret && end < model_.length()) {
        end += Utf8Text::charLength(model_.text(), end);
    }
    deleteRange(selection.start, end);
    afterDeletion();
}

void CMyEditBox::onKeyBackspace() {
    const Selection selection = model_.GetSelection();
    if (selection.start != selection.caret) {
        deleteRange(selection.start, selection.caret);
    } else if (selection.start > 0) {
        const int previous = Utf8Text::previousCharStart(model_.text(), selection.start);
        deleteRange(previous, selection.start);
        followUpward(previous);
        finishMove(previous);
    }
    afterDeletion();
}

void CMyEditBox::afterDeletion() {
    EnsureCaretColumnVisible();
    hideCodeHelper();
    Refresh();
    colorKeyCaretLine();
}

void CMyEditBox::colorKeyCaretLine() {
    if (settings_.isOn(CEditorSettings::ColorKeyWhileEditing)) {
        ColorKeyLine(model_.LineOfOffset());
    }
}

void CMyEditBox::hideCodeHelper() {
    if (codeHelper_ != nullptr) {
        codeHelper_->HideCodeHelper();
    }
}

void CMyEditBox::onChar(QKeyEvent* event) {
    if (controlDown_) {
        if (onControlChar(event->key())) {
            emitTagInfo(model_.GetSelection().caret);
        } else {
            event->ignore();
        }
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        onReturn();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        onTab(event->key() == Qt::Key_Backtab || isShift(event));
        return;
    default:
        break;
    }
    const QString text = printableText(event->text());
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    typeText(text);
}

void CMyEditBox::typeText(const QString& text) {
    if (insertTyped(Utf8Text::fromDisplay(text.toStdU16String()))) {
        afterTyping();
    }
}

// Characters composed with dead keys or an input method arrive here: the
// committed text is typed like a key's character (one undo step), and the
// text still being composed is shown at the caret until it is committed.
void CMyEditBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = printableText(event->commitString());
    preedit_ = event->preeditString();
    if (!committed.isEmpty()) {
        typeText(committed);
    }
    Refresh();
    event->accept();
}

QVariant CMyEditBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImCursorRectangle:
        return QRect(caretPoint_.x, caretPoint_.y, 2, lineHeight_);
    case Qt::ImFont:
        return font_;
    case Qt::ImEnabled:
        return true;
    case Qt::ImHints:
        return static_cast<int>(Qt::ImhMultiLine);
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void CMyEditBox::paintPreedit(QPainter& painter) const {
    if (preedit_.isEmpty()) {
        return;
    }
    const QRect cell(caretPoint_.x, caretPoint_.y, charWidth_ * static_cast<int>(preedit_.size()),
                     lineHeight_);
    painter.fillRect(cell, palette().base());
    painter.setPen(colourTable_.colour(Attr::Default));
    painter.drawText(cell.x(), cell.y() + ascent_, preedit_);
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
}

bool CMyEditBox::onControlChar(int key) {
    switch (key) {
    case Qt::Key_A:
        SelectAll();
        return true;
    case Qt::Key_C:
        Copy();
        return true;
    case Qt::Key_V:
        Paste();
        return true;
    case Qt::Key_X:
        Cut();
        return true;
    default:
        return false;
    }
}

bool CMyEditBox::insertTyped(std::string_view bytes) {
    const int start = model_.GetSelection().start;
    if (model_.ReplaceSelection(bytes) != EditResult::Done) {
        QApplication::beep(); // the document is full: the key is refused
        return false;
    }
    collapseTo(start + static_cast<int>(bytes.size()));
    return true;
}

void CMyEditBox::onReturn() {
    if (codeHelper_ != nullptr && codeHelper_->CommitCodeHelper()) {
        EnsureCaretColumnVisible();
        colorKeyCaretLine();
        Refresh();
        emitTagInfo(model_.GetSelection().caret);
        return;
    }
    std::string lineBreak = "\n";
    if (settings_.isOn(CEditorSettings::AutoIndentTabs)) {
        lineBreak.append(static_cast<std::size_t>(model_.LeadingTabs(model_.GetSelection().start)),
                         '\t');
    }
    if (insertTyped(lineBreak)) {
        afterTyping();
    }
}

void CMyEditBox::onTab(bool unindent) {
    const Selection selection = model_.GetSelection();
    if (selection.start == selection.caret) {
        if (insertTyped("\t")) {
            afterTyping();
        }
        return;
    }
    const TextRanges::BlockIndent block =
        TextRanges::blockIndent(model_.text(), selection.start, selection.caret, unindent);
    if (model_.ReplaceRange(block.replaced.start, block.replaced.end, block.text, {},
                            UndoMode::Edit, true) != EditResult::Done) {
        QApplication::beep();
        return;
    }
    SetSelection(block.selection.start, block.selection.end, false);
    afterTyping();
}

void CMyEditBox::afterTyping() {
    const int caret = model_.GetSelection().caret;
    scrollToShow(caret);
    EnsureCaretColumnVisible();
    updateVerticalThumb();
    if (codeHelper_ != nullptr && settings_.isOn(CEditorSettings::CodeHelperAutomatic)) {
        codeHelper_->ShowCodeHelper();
    }
    colorKeyCaretLine();
    Refresh();
    emitTagInfo(caret);
}
