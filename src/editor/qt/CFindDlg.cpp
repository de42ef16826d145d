#include "CFindDlg.h"

#include "CMyEditBox.h"
#include "Utf8Text.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* addField(QGridLayout* grid, int row, const QString& label, const QString& name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

QPushButton* addButton(QVBoxLayout* column, const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

QString displayOf(const std::string& bytes) {
    return QString::fromStdU16String(Utf8Text::toDisplay(bytes));
}

} // namespace

CFindDlg::CFindDlg(EditorSource activeEditor, std::string& findText, std::string& replaceText,
                   Question question, Message message, QWidget* parent)
    : QDialog(parent), activeEditor_(std::move(activeEditor)), findText_(findText),
      replaceText_(replaceText), question_(std::move(question)), message_(std::move(message)) {
    setWindowTitle(QString::fromLatin1(Caption));
    setModal(false);
    buildControls();
    connectButtons();
    reload();
}

void CFindDlg::buildControls() {
    auto* grid = new QGridLayout;
    findEdit_ = addField(grid, 0, tr("Find:"), QStringLiteral("findEdit"));
    replaceEdit_ = addField(grid, 1, tr("Replace:"), QStringLiteral("replaceEdit"));
    addBeforeEdit_ = addField(grid, 2, tr("Add Before:"), QStringLiteral("addBeforeEdit"));
    addAfterEdit_ = addField(grid, 3, tr("Add After:"), QStringLiteral("addAfterEdit"));
    promptCheck_ = new QCheckBox(tr("Prompt before replacing"));
    promptCheck_->setObjectName(QStringLiteral("promptCheck"));
    caseCheck_ = new QCheckBox(tr("Case Sensitive"));
    caseCheck_->setObjectName(QStringLiteral("caseCheck"));
    grid->addWidget(promptCheck_, 4, 1);
    grid->addWidget(caseCheck_, 5, 1);

    auto* buttons = new QVBoxLayout;
    findNextButton_ = addButton(buttons, tr("Find Next"), QStringLiteral("findNextButton"));
    findNextButton_->setDefault(true);
    findPrevButton_ = addButton(buttons, tr("Find Prev"), QStringLiteral("findPrevButton"));
    replaceButton_ = addButton(buttons, tr("Replace"), QStringLiteral("replaceButton"));
    replaceAllButton_ = addButton(buttons, tr("Replace All"), QStringLiteral("replaceAllButton"));
    markAllButton_ = addButton(buttons, tr("Mark All"), QStringLiteral("markAllButton"));
    replaceMarksButton_ =
        addButton(buttons, tr("Replace Marks"), QStringLiteral("replaceMarksButton"));
    exitButton_ = addButton(buttons, tr("Exit"), QStringLiteral("exitButton"));
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
}

void CFindDlg::connectButtons() {
    connect(findNextButton_, &QPushButton::clicked, this, &CFindDlg::findNext);
    connect(findPrevButton_, &QPushButton::clicked, this, &CFindDlg::findPrev);
    connect(replaceButton_, &QPushButton::clicked, this, &CFindDlg::replace);
    connect(replaceAllButton_, &QPushButton::clicked, this, &CFindDlg::replaceAll);
    connect(markAllButton_, &QPushButton::clicked, this, &CFindDlg::markAll);
    connect(replaceMarksButton_, &QPushButton::clicked, this, &CFindDlg::replaceMarks);
    connect(exitButton_, &QPushButton::clicked, this, &QDialog::close);
}

void CFindDlg::showEvent(QShowEvent* event) {
    reload();
    QDialog::showEvent(event);
}

void CFindDlg::reload() {
    findEdit_->setText(displayOf(findText_));
    replaceEdit_->setText(displayOf(replaceText_));
}

void CFindDlg::takeSelectionAsFindText() {
    CMyEditBox* box = editor();
    if (box == nullptr) {
        return;
    }
    const std::string selected = box->model().GetSelectedText();
    if (!selected.empty()) {
        findText_ = selected;
        findEdit_->setText(displayOf(findText_));
    }
}

CMyEditBox* CFindDlg::editor() const {
    return activeEditor_ ? activeEditor_() : nullptr;
}

std::string CFindDlg::bytesOf(const QLineEdit* field) {
    return Utf8Text::fromDisplay(field->text().toStdU16String());
}

void CFindDlg::tell(const QString& text) {
    if (message_) {
        message_(text, QString::fromLatin1(Caption));
    } else {
        QMessageBox::warning(this, QString::fromLatin1(Caption), text);
    }
}

ReplaceAnswer CFindDlg::ask() {
    const QString text = QString::fromLatin1(ReplaceQuestion);
    const QString caption = QString::fromLatin1(Caption);
    if (question_) {
        return question_(text, caption);
    }
    const auto button = QMessageBox::question(
        this, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes) {
        return ReplaceAnswer::Yes;
    }
    return button == QMessageBox::No ? ReplaceAnswer::No : ReplaceAnswer::Cancel;
}

std::string CFindDlg::searchableFindText() {
    std::string what = bytesOf(findEdit_);
    const FindTextCheck check = FindReplace::checkFindText(what);
    if (check == FindTextCheck::TooLong) {
        tell(QString::fromLatin1(FindTextTooLong));
    }
    return check == FindTextCheck::Ok ? what : std::string();
}

void CFindDlg::findNext() {
    find(+1);
}

void CFindDlg::findPrev() {
    find(-1);
}

void CFindDlg::find(int step) {
    CMyEditBox* box = editor();
    if (box == nullptr) {
        return;
    }
    findText_ = bytesOf(findEdit_);
    const std::string what = searchableFindText();
    if (what.empty()) {
        return;
    }
    const bool found =
        FindReplace::FindText(box->model(), what, step, caseCheck_->isChecked()).has_value();
    const Selection selection = box->model().GetSelection();
    box->SelectAndShow(selection.start, selection.caret);
    box->EnsureCaretColumnVisible();
    box->Refresh();
    if (!found) {
        reportNotFound();
    }
}

void CFindDlg::reportNotFound() const {
    showStatus(QStringLiteral("Not found: %1").arg(findEdit_->text()));
    if (beep_) {
        beep_();
    } else {
        QApplication::beep();
    }
}

void CFindDlg::showStatus(const QString& text) const {
    if (status_) {
        status_(text);
    }
}

void CFindDlg::replace() {
    CMyEditBox* box = editor();
    if (box == nullptr) {
        return;
    }
    replaceText_ = bytesOf(replaceEdit_);
    const int start = box->model().GetSelection().start;
    if (box->model().ReplaceSelection(replaceText_) != EditResult::Done) {
        tell(QString::fromLatin1(ResultTooLong));
        return;
    }
    // The old selection may now reach past the text; the new text is what
    // the user wants to see.
    box->SetSelection(start, start + static_cast<int>(replaceText_.size()), true);
    box->ColorKey();
    box->Refresh();
}

void CFindDlg::replaceAll() {
    CMyEditBox* box = editor();
    if (box == nullptr) {
        return;
    }
    findText_ = bytesOf(findEdit_);
    replaceText_ = bytesOf(replaceEdit_);
    const std::string what = searchableFindText();
    if (what.empty()) {
        return;
    }
    // The question runs an event loop in which the document may close.
    QPointer<CMyEditBox> guard(box);
    FindReplace::AskReplace askEach;
    if (promptCheck_->isChecked()) {
        askEach = [this, &guard](int start, int end) {
            if (guard.isNull()) {
                return ReplaceAnswer::Cancel;
            }
            guard->SelectAndShow(start, end);
            guard->EnsureCaretColumnVisible();
            guard->Refresh();
            const ReplaceAnswer answer = ask();
            return guard.isNull() ? ReplaceAnswer::Cancel : answer;
        };
    }
    const ReplaceAllResult outcome =
        FindReplace::ReplaceAll(box->model(), what, replaceText_, caseCheck_->isChecked(), askEach);
    if (guard.isNull()) {
        return;
    }
    if (outcome.result == EditResult::TooLong) {
        tell(QString::fromLatin1(ResultTooLong));
    } else {
        showStatus(outcome.replaced == 1
                       ? QStringLiteral("Replaced 1 occurrence")
                       : QStringLiteral("Replaced %1 occurrences").arg(outcome.replaced));
    }
    box->ColorKey();
    // The user's selection, followed through the replacements to its text.
    box->SetSelection(outcome.selection.start, outcome.selection.caret, true);
    box->Refresh();
}

void CFindDlg::markAll() {
    CMyEditBox* box = editor();
    if (box == nullptr) {
        return;
    }
    const std::string what = searchableFindText();
    if (what.empty()) {
        return;
    }
    const Selection original = box->model().GetSelection();
    FindReplace::MarkAll(box->model(), what, caseCheck_->isChecked());
    box->SetSelection(original.start, original.caret, true);
    box->ColorKey();
    box->Refresh();
}

void CFindDlg::replaceMarks() {
    CMyEditBox* box = editor();
    if (box == nullptr) {
        return;
    }
    const EditResult result = FindReplace::ReplaceMarks(
        box->model(), bytesOf(addBeforeEdit_), bytesOf(addAfterEdit_), bytesOf(replaceEdit_));
    if (result != EditResult::Done) {
        tell(QString::fromLatin1(ResultTooLong));
        return;
    }
    // A replacement may have shortened the text under the selection.
    const Selection selection = box->model().GetSelection();
    box->SetSelection(selection.start, selection.caret, true);
    box->ColorKey();
    box->Refresh();
}
