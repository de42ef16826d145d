// Insert Anchor, Image, Table and Frames of CChildWin: each asks in its
// dialog, builds the HTML and writes it over the selection.
#include "app/FileFilter.h"
#include "app/ProjectLinks.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/IPlatformServices.h"
#include "dialogs/AnchorHtml.h"
#include "dialogs/FramesHtml.h"
#include "dialogs/ImageHtml.h"
#include "dialogs/TableHtml.h"
#include "dialogs/qt/CInsertAnchorDlg.h"
#include "dialogs/qt/CInsertFramesDlg.h"
#include "dialogs/qt/CInsertImageDlg.h"
#include "dialogs/qt/CInsertTableDlg.h"
#include "editor/TagInsertion.h"
#include "editor/qt/CMyEditBox.h"
#include "html/ColorText.h"
#include "project/PathUtils.h"

#include <QDialog>
#include <algorithm>

namespace {

// Without a window manager (an X server on its own) nothing gives the main
// window back its activation when the dialog closes, and its menus and
// command keys would stop answering.
bool accepted(QDialog& dialog) {
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (QWidget* owner = dialog.parentWidget()) {
        owner->window()->activateWindow();
    }
    return ok;
}

} // namespace

// Relative to the document's folder with "/", as links are written; an
// untitled document has no folder, so the link is the whole path.
QString CChildWin::browseLink(unsigned filterFlags) {
    const QString chosen = services_.openFileName(
        this, QString::fromStdString(BuildFileFilter(filterFlags, app_.settings())));
    if (chosen.isEmpty()) {
        return chosen;
    }
    std::string link = chosen.toStdString();
    if (!path_.empty()) {
        link = RelativePath(link, DirectoryOf(path_));
    }
    ToForwardSlashes(link);
    return QString::fromStdString(link);
}

std::optional<QString> CChildWin::chooseInsertColour(ColorTextCaller caller) {
    const std::optional<ColorChoice> choice =
        services_.chooseColor(this, ColorChoice{}, app_.tagData().colors());
    if (!choice) {
        return std::nullopt;
    }
    return QString::fromStdString(ColorText::Write(*choice, caller));
}

void CChildWin::showInserted(EditResult result, int from, std::size_t inserted, int start,
                             int caret, bool wholeText) {
    if (result != EditResult::Done) {
        afterRewrite(result);
        return;
    }
    const int end = from + static_cast<int>(inserted);
    editor_->SetSelection(std::min(start, end), std::min(caret, end), true);
    if (wholeText) {
        editor_->ColorKey();
    } else {
        editor_->ColorKeyLine(editor_->model().LineOfOffset());
    }
    editor_->Refresh();
    editor_->setFocus();
}

void CChildWin::insertAnchor() {
    TextModel& model = editor_->model();
    const bool useMarks = usesMarks();
    std::optional<std::vector<std::string>> projectLinks;
    if (const CProject* project = app_.state().CurrentProject.get()) {
        projectLinks = ProjectLinks(*project, path_);
    }
    CInsertAnchorDlg dialog(
        model.GetSelectedText(), useMarks, app_.tagData().GetValueNames("A", "TARGET"),
        projectLinks, [this] { return browseLink(FilterHtml | FilterAll); }, this);
    if (!accepted(dialog)) {
        return;
    }
    const AnchorFields fields = dialog.fields();
    const std::string opening = AnchorHtml::Opening(fields);
    if (useMarks) {
        afterRewrite(
            TagInsertion::WrapSelection(model, opening, AnchorHtml::Closing, /*useMarks=*/true));
        return;
    }
    const std::string element = AnchorHtml::Element(fields);
    const Selection selection = model.GetSelection();
    const int shift = static_cast<int>(opening.size());
    // The selection moves past the opening tag, so that a selected caption
    // stays selected inside the element.
    showInserted(model.ReplaceSelection(element), selection.start, element.size(),
                 selection.start + shift, selection.caret + shift, true);
}

void CChildWin::insertImage() {
    const CTagData& tags = app_.tagData();
    CInsertImageDlg dialog(
        tags.GetValueNames("IMG", "ALIGN"), tags.GetValueNames("IMG", "SUPPRESS"),
        [this] { return browseLink(FilterImages | FilterAll); }, this);
    if (!accepted(dialog)) {
        return;
    }
    const std::string tag = ImageHtml::Build(dialog.fields());
    TextModel& model = editor_->model();
    const Selection selection = model.GetSelection();
    showInserted(model.ReplaceSelection(tag), selection.start, tag.size(), selection.start,
                 selection.caret, false);
}

void CChildWin::insertTable() {
    const CTagData& tags = app_.tagData();
    CInsertTableDlg dialog(
        tags.GetValueNames("TABLE", "ALIGN"), tags.GetValueNames("CAPTION", "ALIGN"),
        [this] { return chooseInsertColour(ColorTextCaller::InsertTable); }, this);
    if (!accepted(dialog)) {
        return;
    }
    const TableFields fields = dialog.fields();
    TextModel& model = editor_->model();
    const Selection selection = model.GetSelection();
    const std::string clipboard = fields.useClipboard ? editor_->clipboardBytes() : std::string();
    const std::size_t room = static_cast<std::size_t>(TextModel::Capacity - model.length() +
                                                      (selection.caret - selection.start));
    const std::optional<std::string> table =
        TableHtml::Build(fields, model.LeadingTabs(selection.start), clipboard, room);
    if (!table) {
        afterRewrite(EditResult::TooLong);
        return;
    }
    showInserted(model.ReplaceSelection(*table), selection.start, table->size(), selection.start,
                 selection.caret, true);
}

void CChildWin::insertFrames() {
    CInsertFramesDlg dialog(
        app_.tagData().GetValueNames("FRAMESET", "FRAMEBORDER"),
        [this] { return chooseInsertColour(ColorTextCaller::InsertFrames); }, this);
    if (!accepted(dialog)) {
        return;
    }
    TextModel& model = editor_->model();
    const Selection selection = model.GetSelection();
    const std::string frames =
        FramesHtml::Build(dialog.fields(), model.LeadingTabs(selection.start));
    showInserted(model.ReplaceSelection(frames), selection.start, frames.size(), selection.start,
                 selection.caret, true);
}
