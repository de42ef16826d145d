#include "html/qt/CodeHelper.h"

#include "editor/qt/CMyEditBox.h"
#include "html/CodeHelperCommit.h"
#include "html/qt/ListWindow.h"

#include <QApplication>
#include <QEvent>

CodeHelper::CodeHelper(CMyEditBox& editor, const CTagData& tags, CodeHelperHooks hooks)
    : QObject(&editor), editor_(editor), tags_(tags), hooks_(std::move(hooks)),
      list_(new ListWindow(editor.viewport())) {
    connect(list_, &ListWindow::infoChanged, this, [this](const QString& info) {
        if (hooks_.showInfo) {
            hooks_.showInfo(info);
        }
    });
    connect(list_, &ListWindow::entryChosen, this, [this] {
        if (CommitCodeHelper()) {
            editor_.setFocus();
        }
    });
    connect(&editor_, &CMyEditBox::changed, this, &CodeHelper::hideIfStale);
    editor_.installEventFilter(this);
}

void CodeHelper::ShowCodeHelper() {
    if (busy_) {
        return;
    }
    const TextModel& model = editor_.model();
    const Selection selection = model.GetSelection();
    CodeHelperContext context{model.text(), selection.start, selection.caret, hooks_.projectLinks};
    const CodeHelperChoice choice = ChooseCodeHelperEntries(tags_, context, list_->entries());
    mode_ = choice.mode;
    caretTag_ = choice.caretTag;
    shownLength_ = model.length();
    shownStart_ = selection.start;
    shownCaret_ = selection.caret;
    // The list never has the focus, so there is none to give back; taking
    // it here would pull a window forward on a stray Ctrl release.
    if (mode_ == CodeHelperMode::Hidden) {
        list_->hide();
        return;
    }
    showList();
}

void CodeHelper::showList() {
    const ViewPoint caret = editor_.OffsetToPoint(editor_.model().GetSelection().caret);
    const int lineHeight = editor_.lineHeight();
    list_->MoveBelow(caret.x, caret.y + lineHeight, lineHeight);
    list_->show();
    list_->raise();
    list_->selectionChanged();
}

void CodeHelper::HideCodeHelper() {
    mode_ = CodeHelperMode::Hidden;
    if (list_->isVisible()) {
        list_->hide();
    }
}

bool CodeHelper::isVisible() const {
    return list_->isVisible();
}

void CodeHelper::SelectNext() {
    list_->SelectNext();
}

void CodeHelper::SelectPrevious() {
    list_->SelectPrevious();
}

bool CodeHelper::CommitCodeHelper() {
    if (mode_ == CodeHelperMode::Hidden || !caretTag_ || isStale()) {
        HideCodeHelper();
        return false;
    }
    TextModel& model = editor_.model();
    const std::optional<CodeHelperEdit> edit =
        CodeHelperCommitEdit(tags_, model.text(), mode_, *caretTag_, list_->GetSelectedEntryText());
    if (!edit) {
        return false;
    }
    busy_ = true;
    const EditResult result =
        model.ReplaceRange(edit->span.start, edit->span.end, edit->text, {}, UndoMode::Edit, true);
    busy_ = false;
    if (result == EditResult::Done) {
        const int end = edit->span.start + static_cast<int>(edit->text.size());
        editor_.SetSelection(end, end, true);
    } else {
        QApplication::beep();
    }
    HideCodeHelper();
    return true;
}

bool CodeHelper::isStale() const {
    const TextModel& model = editor_.model();
    const Selection selection = model.GetSelection();
    return model.length() != shownLength_ || selection.start != shownStart_ ||
           selection.caret != shownCaret_;
}

void CodeHelper::hideIfStale() {
    if (list_->isVisible() && !busy_ && isStale()) {
        HideCodeHelper();
    }
}

bool CodeHelper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &editor_ && event->type() == QEvent::FocusOut) {
        HideCodeHelper();
    }
    return QObject::eventFilter(watched, event);
}
