// Clipboard commands of CMyEditBox.
#include "CMyEditBox.h"
#include "ClipboardText.h"
#include "Utf8Text.h"
#include "editor/EditGroup.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <optional>

namespace {

// The editor's own bytes ride along with the plain text, so that a copy
// and paste inside the program keeps bytes that are not valid UTF-8.
const QString BytesFormat = QStringLiteral("application/x-tagwright-bytes");

const QString TooLongForPaste =
    QStringLiteral("The text on the Clipboard does not fit into this document.");

} // namespace

bool CMyEditBox::useMarks() const {
    return hooks_.useMarks && hooks_.useMarks();
}

void CMyEditBox::message(const QString& text, const QString& caption) {
    if (hooks_.showMessage) {
        hooks_.showMessage(text, caption);
    } else {
        QMessageBox::warning(this, caption, text);
    }
}

void CMyEditBox::CopyToClipboard(std::string_view text) {
    auto* data = new QMimeData;
    const std::string platformText = ClipboardText::toPlatformLineEnds(text);
    data->setText(QString::fromStdU16String(Utf8Text::toDisplay(platformText)));
    data->setData(BytesFormat, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CMyEditBox::Copy() {
    if (useMarks()) {
        // No marks, nothing to copy: the clipboard keeps what it holds, as
        // with Cut of an empty selection.
        if (model_.marks().empty()) {
            return;
        }
        std::string text;
        for (const CMarkRecord& mark : model_.marks()) {
            text += model_.GetRangeText(mark.start, mark.end);
            text += '\n';
        }
        CopyToClipboard(text);
        return;
    }
    const Selection selection = model_.GetSelection();
    if (selection.start != selection.caret) {
        CopyToClipboard(model_.GetSelectedText());
        return;
    }
    const ViewGeometry view = geometry();
    const int lineStart = view.lineStartOf(selection.start);
    const int next = view.nextLineStart(selection.start);
    CopyToClipboard(model_.GetRangeText(lineStart, next < 0 ? model_.length() : next));
}

void CMyEditBox::Cut() {
    const Selection selection = model_.GetSelection();
    // An empty selection has nothing to cut and leaves the clipboard alone.
    if (selection.start == selection.caret) {
        return;
    }
    const std::string text = model_.GetSelectedText();
    model_.ReplaceSelection("");
    collapseTo(selection.start);
    placeCaretAtCaret();
    Refresh();
    CopyToClipboard(text);
}

std::string CMyEditBox::clipboardBytes() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr) {
        return {};
    }
    if (data->hasFormat(BytesFormat)) {
        const QByteArray bytes = data->data(BytesFormat);
        return ClipboardText::removeCarriageReturns(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    if (!data->hasText()) {
        return {};
    }
    return ClipboardText::removeCarriageReturns(
        Utf8Text::fromDisplay(data->text().toStdU16String()));
}

void CMyEditBox::Paste() {
    const std::string text = clipboardBytes();
    if (text.empty()) {
        return;
    }
    const Selection selection = model_.GetSelection();
    // All or nothing: a paste that does not fit is refused whole rather than
    // cut to the room that is left.
    if (model_.ReplaceSelection(text) != EditResult::Done) {
        message(TooLongForPaste, QStringLiteral("Error"));
        return;
    }
    const int pasteEnd = selection.start + static_cast<int>(text.size());
    SelectAndShow(pasteEnd, pasteEnd);
    EnsureCaretColumnVisible();
    ColorKey();
    Refresh();
    emitTagInfo(pasteEnd);
}

void CMyEditBox::CopyPlainText() {
    CopyToClipboard(ClipboardText::plainTextOf(model_.GetSelectedText()));
}

void CMyEditBox::DeleteSelection() {
    if (useMarks()) {
        // A mark leaves the list before its text goes, so a later mark that
        // the deletion shifts onto the same offsets keeps its own text. Marks
        // wholly inside a deleted range go with it.
        EditGroup edits(model_);
        while (const std::optional<CMarkRecord> mark = model_.markList().takeFirst()) {
            edits.replace(mark->start, mark->end, "", true);
        }
    } else if (!model_.GetSelectedText().empty()) {
        model_.ReplaceSelection("");
    }
    const int start = model_.GetSelection().start;
    SelectAndShow(start, start);
    ColorKey();
    Refresh();
}
