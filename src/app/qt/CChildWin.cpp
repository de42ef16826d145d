#include "app/qt/CChildWin.h"

#include "app/CommandIds.h"
#include "app/FileFilter.h"
#include "app/FormatCommands.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/CommandRegistry.h"
#include "app/qt/IPlatformServices.h"
#include "dialogs/FontHtml.h"
#include "editor/TagInsertion.h"
#include "editor/TextTransforms.h"
#include "editor/qt/CFindDlg.h"
#include "editor/qt/CMyEditBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QVBoxLayout>
#include <array>

namespace {

constexpr std::array kEditCommands = {
    Cmd::Undo,          Cmd::Redo,          Cmd::Cut,        Cmd::Copy,
    Cmd::CopyPlainText, Cmd::Paste,         Cmd::Delete,     Cmd::SelectAll,
    Cmd::ColorKey,      Cmd::MarkSelection, Cmd::RemoveMark, Cmd::RemoveAllMarks,
};
constexpr std::array kFileCommands = {Cmd::FileSave, Cmd::FileSaveAs, Cmd::FileClose};
constexpr std::array kTransformCommands = {Cmd::SmartTabs, Cmd::UpperCase, Cmd::LowerCase,
                                           Cmd::SmartCase};

const QString kTooLong =
    QStringLiteral("The document would grow past its size limit of 1,048,574 bytes. Nothing was "
                   "changed.");

// The Find dialog is modeless; a second Find brings the open one back.
QPointer<CFindDlg> findDialog;

// Commands of the editor's right-button menu; a 0 is a separator.
constexpr std::array kContextMenu = {
    Cmd::Undo,
    Cmd::Redo,
    0,
    Cmd::Cut,
    Cmd::Copy,
    Cmd::CopyPlainText,
    Cmd::Paste,
    Cmd::Delete,
    0,
    Cmd::SelectAll,
    0,
    Cmd::FollowLink,
    Cmd::ChooseParameter,
    0,
    Cmd::MarkSelection,
    Cmd::RemoveMark,
    Cmd::RemoveAllMarks,
};

template <typename Array> bool contains(const Array& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool clipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

} // namespace

CChildWin::CChildWin(CEditorApp& app, IPlatformServices& services, QWidget* parent)
    : QWidget(parent), app_(app), services_(services) {
    EditBoxHooks hooks;
    hooks.useMarks = [&app] { return app.state().UseMarks == 1; };
    hooks.linkValidationOpen = [] { return false; };
    hooks.showMessage = [this](const QString& text, const QString& caption) {
        services_.message(this, text, caption);
    };
    editor_ = new CMyEditBox(app.settings(), app.tagData(), hooks, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    setFocusProxy(editor_);
    setWindowTitle(QStringLiteral("Untitled"));
    connect(editor_, &CMyEditBox::tagInfoChanged, this, &CChildWin::tagInfoChanged);
    connect(editor_, &CMyEditBox::contextMenuRequested, this, &CChildWin::showContextMenu);
}

CChildWin::~CChildWin() = default;

bool CChildWin::handlesCommand(int id) {
    return contains(kEditCommands, id) || contains(kFileCommands, id) ||
           contains(kTransformCommands, id) || FormatCommands::handles(id) || id == Cmd::Font ||
           id == Cmd::Find;
}

void CChildWin::SetTitle(const QString& text) {
    if (text == QString::fromStdString(path_) || text == QStringLiteral("Untitled")) {
        setWindowTitle(text);
    }
}

QString CChildWin::captionText() const {
    return path_.empty() ? QStringLiteral("Untitled") : QString::fromStdString(path_);
}

bool CChildWin::loadFile(const std::string& path) {
    if (editor_->LoadFile(path) != FileResult::Ok) {
        return false;
    }
    if (path == path_) {
        rememberDiskTime();
    }
    return true;
}

void CChildWin::rememberDiskTime() {
    diskTime_ = QFileInfo(QString::fromStdString(path_)).lastModified();
}

bool CChildWin::SaveDocument(bool askIfUntitled) {
    if (path_.empty() && askIfUntitled) {
        const QString chosen = services_.saveFileName(
            this, QString::fromStdString(BuildFileFilter(7, app_.settings())),
            QStringLiteral("html"));
        if (chosen.isEmpty()) {
            return false;
        }
        path_ = chosen.toStdString();
    }
    if (path_.empty() || editor_->model().SaveFile(path_) != FileResult::Ok) {
        return false;
    }
    rememberDiskTime();
    app_.recentFiles().add(path_);
    SetTitle(QString::fromStdString(path_));
    return true;
}

void CChildWin::saveAs() {
    const CEditorSettings& settings = app_.settings();
    const QString filter =
        QString::fromStdString(BuildFileFilter(FilterHtml | FilterAll, settings));
    const QString chosen = services_.saveFileName(this, filter, QStringLiteral("html"));
    if (chosen.isEmpty()) {
        return;
    }
    path_ = chosen.toStdString();
    if (!SaveDocument(false)) {
        services_.message(this, QStringLiteral("Failed to save file."));
    }
    SetTitle(captionText());
}

void CChildWin::checkChangedOnDisk() {
    if (path_.empty() || askingToReload_ || !diskTime_.isValid()) {
        return;
    }
    const QFileInfo info(QString::fromStdString(path_));
    if (!info.exists() || info.lastModified() == diskTime_) {
        return;
    }
    askingToReload_ = true;
    rememberDiskTime();
    const QString question =
        QStringLiteral("%1\n\nThis file has been changed by another program.\nDo you want to "
                       "reload it and lose the changes made here?")
            .arg(QString::fromStdString(path_));
    if (services_.askYesNo(this, question, QStringLiteral("Quillmark Tagwright")) &&
        editor_->LoadFile(path_) == FileResult::Ok) {
        editor_->model().setModified(false);
        if (app_.settings().isOn(CEditorSettings::ColorKeyOnOpen)) {
            editor_->ColorKey();
        }
    }
    askingToReload_ = false;
}

void CChildWin::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    editor_->setFocus();
}

bool CChildWin::closeHandling() {
    if (!editor_->model().isModified()) {
        return true;
    }
    IPlatformServices::Answer answer = IPlatformServices::Answer::No;
    switch (app_.settings().SaveClose) {
    case CEditorSettings::SaveCloseYes:
        answer = IPlatformServices::Answer::Yes;
        break;
    case CEditorSettings::SaveCloseNo:
        break;
    default:
        answer = services_.askYesNoCancel(
            this, QStringLiteral("Do you want to save your document before closing?"),
            QStringLiteral("Quillmark Tagwright"));
        break;
    }
    if (answer == IPlatformServices::Answer::Cancel) {
        return false;
    }
    if (answer == IPlatformServices::Answer::Yes && !SaveDocument(true)) {
        services_.message(this, QStringLiteral("Failed to save file."));
        return false;
    }
    return true;
}

void CChildWin::closeEvent(QCloseEvent* event) {
    if (closeHandling()) {
        event->accept();
        return;
    }
    event->ignore();
    if (CMainWin* frame = app_.mainWindow()) {
        frame->setCloseCancelled();
    }
}

bool CChildWin::editCommandState(int id, CommandState& state) const {
    const TextModel& model = editor_->model();
    const Selection selection = model.GetSelection();
    const bool hasSelection = selection.start != selection.caret;
    const bool useMarks = app_.state().UseMarks == 1;
    const bool hasMarks = !model.marks().empty();
    switch (id) {
    case Cmd::Undo:
        state.enabled = !model.undoList().empty();
        return true;
    case Cmd::Redo:
        state.enabled = !model.redoList().empty();
        return true;
    case Cmd::Cut:
    case Cmd::MarkSelection:
        state.enabled = hasSelection;
        return true;
    case Cmd::Copy:
        state.enabled = !useMarks || hasMarks;
        state.text =
            useMarks ? QStringLiteral("Copy Marks\tCtrl + C") : QStringLiteral("Copy\tCtrl + C");
        return true;
    case Cmd::Delete:
        state.enabled = !useMarks || hasMarks;
        state.text = useMarks ? QStringLiteral("Delete Marks\tDel") : QStringLiteral("Delete\tDel");
        return true;
    case Cmd::Paste:
        state.enabled = clipboardHasText();
        return true;
    case Cmd::RemoveMark:
        state.enabled = model.IsSelectionStartInMark();
        return true;
    case Cmd::RemoveAllMarks:
        state.enabled = hasMarks;
        return true;
    case Cmd::CopyPlainText:
    case Cmd::SelectAll:
    case Cmd::ColorKey:
        return true;
    default:
        return false;
    }
}

bool CChildWin::commandState(int id, CommandState& state) {
    if (contains(kFileCommands, id) || FormatCommands::handles(id) || id == Cmd::Font ||
        id == Cmd::Find) {
        return true;
    }
    if (contains(kTransformCommands, id)) {
        const Selection selection = editor_->model().GetSelection();
        state.enabled = selection.start != selection.caret;
        return true;
    }
    return editCommandState(id, state);
}

bool CChildWin::runEditCommand(int id) {
    switch (id) {
    case Cmd::Undo:
        editor_->Undo();
        return true;
    case Cmd::Redo:
        editor_->Redo();
        return true;
    case Cmd::Cut:
        editor_->Cut();
        return true;
    case Cmd::Copy:
        editor_->Copy();
        return true;
    case Cmd::CopyPlainText:
        editor_->CopyPlainText();
        return true;
    case Cmd::Paste:
        editor_->Paste();
        return true;
    case Cmd::Delete:
        editor_->DeleteSelection();
        return true;
    case Cmd::SelectAll:
        editor_->SelectAll();
        return true;
    case Cmd::ColorKey:
        editor_->ColorKey();
        return true;
    case Cmd::MarkSelection:
        editor_->MarkSelection();
        return true;
    case Cmd::RemoveMark:
        editor_->RemoveMark();
        return true;
    case Cmd::RemoveAllMarks:
        editor_->RemoveAllMarks();
        return true;
    default:
        return false;
    }
}

void CChildWin::afterRewrite(EditResult result) {
    if (result == EditResult::TooLong) {
        services_.message(this, kTooLong);
        return;
    }
    if (result != EditResult::Done) {
        return;
    }
    const Selection selection = editor_->model().GetSelection();
    editor_->SetSelection(selection.start, selection.caret, true);
    editor_->ColorKey();
    editor_->Refresh();
    editor_->setFocus();
}

bool CChildWin::runTextCommand(int id) {
    TextModel& model = editor_->model();
    const bool useMarks = app_.state().UseMarks == 1;
    if (FormatCommands::handles(id)) {
        afterRewrite(FormatCommands::run(id, model, useMarks));
        return true;
    }
    switch (id) {
    case Cmd::SmartTabs:
        afterRewrite(TextTransforms::SmartTabs(model, app_.tagData()));
        return true;
    case Cmd::UpperCase:
        afterRewrite(TextTransforms::UpperCase(model));
        return true;
    case Cmd::LowerCase:
        afterRewrite(TextTransforms::LowerCase(model));
        return true;
    case Cmd::SmartCase:
        afterRewrite(TextTransforms::SmartCase(model));
        return true;
    case Cmd::Font:
        runFont(useMarks);
        return true;
    case Cmd::Find:
        openFind();
        return true;
    default:
        return false;
    }
}

void CChildWin::runFont(bool useMarks) {
    const std::optional<FontChoice> choice = services_.chooseFont(this);
    if (!choice) {
        return;
    }
    const FontHtml html = FontHtml::Build(*choice);
    afterRewrite(
        TagInsertion::InsertTagPair(editor_->model(), html.openName(), html.closeName(), useMarks));
}

void CChildWin::openFind() {
    CMainWin* frame = app_.mainWindow();
    CAppState& state = app_.state();
    if (!editor_->model().GetSelectedText().empty()) {
        state.FindText = editor_->model().GetSelectedText();
    }
    if (findDialog == nullptr) {
        auto source = [frame]() -> CMyEditBox* {
            CChildWin* document = frame != nullptr ? frame->activeDocument() : nullptr;
            return document != nullptr ? &document->editor() : nullptr;
        };
        IPlatformServices* services = &services_;
        auto question = [services, frame](const QString& text, const QString& caption) {
            switch (services->askYesNoCancel(frame, text, caption)) {
            case IPlatformServices::Answer::Yes:
                return ReplaceAnswer::Yes;
            case IPlatformServices::Answer::No:
                return ReplaceAnswer::No;
            case IPlatformServices::Answer::Cancel:
                break;
            }
            return ReplaceAnswer::Cancel;
        };
        auto message = [services, frame](const QString& text, const QString& caption) {
            services->message(frame, text, caption);
        };
        findDialog =
            new CFindDlg(source, state.FindText, state.ReplaceText, question, message, frame);
        findDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    findDialog->reload();
    findDialog->show();
    findDialog->raise();
    findDialog->activateWindow();
}

bool CChildWin::runCommand(int id) {
    if (runTextCommand(id)) {
        return true;
    }
    switch (id) {
    case Cmd::FileSave:
        if (!SaveDocument(true)) {
            services_.message(this, QStringLiteral("Failed to save file."));
        }
        return true;
    case Cmd::FileSaveAs:
        saveAs();
        return true;
    case Cmd::FileClose:
        // Close drops the document at once, without asking.
        editor_->model().setModified(false);
        if (QWidget* frame = parentWidget()) {
            frame->close();
        }
        return true;
    default:
        return runEditCommand(id);
    }
}

void CChildWin::showContextMenu(const QPoint& globalPos) {
    CMainWin* frame = app_.mainWindow();
    if (frame == nullptr) {
        return;
    }
    CommandRegistry& commands = frame->commands();
    commands.refresh();
    QMenu menu(this);
    bool pendingSeparator = false;
    for (int id : kContextMenu) {
        if (id == 0) {
            pendingSeparator = !menu.isEmpty();
            continue;
        }
        if (!commands.isHandled(id, this)) {
            continue;
        }
        if (pendingSeparator) {
            menu.addSeparator();
            pendingSeparator = false;
        }
        menu.addAction(commands.action(id));
    }
    menu.exec(globalPos);
}
