#include "app/qt/CChildWin.h"

#include "app/CommandIds.h"
#include "app/FileFailure.h"
#include "app/FileFilter.h"
#include "app/FormatCommandTable.h"
#include "app/LinkTarget.h"
#include "app/ProjectLinks.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/CMainWin.h"
#include "app/qt/CommandRegistry.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/ErrorLogs.h"
#include "app/qt/IPlatformServices.h"
#include "app/qt/LinkValidation.h"
#include "app/qt/MenuLayout.h"
#include "dialogs/FontHtml.h"
#include "editor/TagInsertion.h"
#include "editor/TextTransforms.h"
#include "editor/XmlDocumentType.h"
#include "editor/qt/CFindDlg.h"
#include "editor/qt/CMyEditBox.h"
#include "editor/qt/EditorColorizer.h"
#include "html/qt/CodeHelper.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kTooLong = QString::fromLatin1(CChildWin::TooLongMessage);

bool clipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

} // namespace

CChildWin::CChildWin(CEditorApp& app, IPlatformServices& services, QWidget* parent)
    : QWidget(parent), app_(app), services_(services) {
    EditBoxHooks hooks;
    hooks.useMarks = [&app] { return app.state().UseMarks == 1; };
    hooks.linkValidationOpen = [&app] {
        CMainWin* frame = app.mainWindow();
        return frame != nullptr && frame->linkValidation().isOpen();
    };
    hooks.showMessage = [this](const QString& text, const QString& caption) {
        services_.message(this, text, caption);
    };
    hooks.isCommandKey = [&app](const QKeySequence& key) {
        CMainWin* frame = app.mainWindow();
        return frame != nullptr && frame->commands().isShortcut(key);
    };
    editor_ = new CMyEditBox(app.settings(), app.tagData(), app.colorWorker(), hooks, this);
    editor_->setLineNumbersShown(app.settings().LineNumbers != 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    setFocusProxy(editor_);
    setWindowTitle(QStringLiteral("Untitled"));
    connect(editor_, &CMyEditBox::tagInfoChanged, this, &CChildWin::tagInfoChanged);
    connect(editor_, &CMyEditBox::contextMenuRequested, this, &CChildWin::showContextMenu);
    editor_->setCodeHelper(new CodeHelper(*editor_, app.tagData(), codeHelperHooks()));
}

void CChildWin::setPath(const std::string& path) {
    path_ = path;
    editor_->colorizer().setKeepsNameCase(IsXmlDocumentType(path));
}

CodeHelperHooks CChildWin::codeHelperHooks() {
    CodeHelperHooks hooks;
    hooks.projectLinks = [this] {
        const CProject* project = app_.state().CurrentProject.get();
        return project != nullptr ? ProjectLinks(*project, path_) : std::vector<std::string>();
    };
    hooks.showInfo = [this](const QString& info) { emit tagInfoChanged(info); };
    return hooks;
}

// The editor goes first: its marks point into the log lines this window
// keeps alive.
CChildWin::~CChildWin() {
    delete editor_;
}

bool CChildWin::handlesCommand(int id) {
    return commandRows().handles(id);
}

void CChildWin::SetTitle(const QString& text) {
    if (text == QString::fromStdString(path_) || text == QStringLiteral("Untitled")) {
        setWindowTitle(text);
    }
}

QString CChildWin::captionText() const {
    return path_.empty() ? QStringLiteral("Untitled") : QString::fromStdString(path_);
}

QString CChildWin::folder() const {
    return path_.empty() ? QString() : QFileInfo(QString::fromStdString(path_)).absolutePath();
}

FileResult CChildWin::loadFile(const std::string& path, std::string* reason) {
    const FileResult result = editor_->LoadFile(path, reason);
    if (result == FileResult::Ok && path == path_) {
        rememberDiskTime();
    }
    return result;
}

void CChildWin::rememberDiskTime() {
    const QFileInfo info(QString::fromStdString(path_));
    diskTime_ = info.lastModified();
    diskSize_ = info.size();
}

bool CChildWin::changedOnDiskSinceRead() const {
    const QFileInfo info(QString::fromStdString(path_));
    return diskTime_.isValid() && info.exists() &&
           (info.lastModified() != diskTime_ || info.size() != diskSize_);
}

// An unedited document (upper-casing by colouring counts as an edit here)
// whose file nobody changed since it was read is saved already: writing it again could only change
// its line ends (a file with lone CRs, or mixed ones, is written with one kind), and the commands
// that save before they read a file (Check Code, link validation) would then rewrite every page
// they look at.
bool CChildWin::holdsDiskVersion(const std::string& target) const {
    const TextModel& model = editor_->model();
    return target == path_ && !model.isModified() && !model.isRewrittenInPlace() &&
           diskTime_.isValid() && QFileInfo::exists(QString::fromStdString(path_)) &&
           !changedOnDiskSinceRead();
}

bool CChildWin::SaveDocument(bool askIfUntitled) {
    return save(askIfUntitled) == SaveOutcome::Saved;
}

CChildWin::SaveOutcome CChildWin::save(bool askIfUntitled) {
    lastSave_ = {};
    std::string target = path_;
    if (target.empty() && askIfUntitled) {
        const QString chosen = services_.saveFileName(
            this, QString::fromStdString(BuildFileFilter(7, app_.settings())),
            QStringLiteral("html"));
        target = chosen.toStdString();
    }
    return target.empty() ? SaveOutcome::Failed : saveTo(target);
}

// The path, the caption and the recent list change only once the file is
// written, and a file another program changed since it was read is
// overwritten only when the user says so.
CChildWin::SaveOutcome CChildWin::saveTo(const std::string& target) {
    if (holdsDiskVersion(target)) {
        return SaveOutcome::Saved;
    }
    if (target == path_ && changedOnDiskSinceRead() &&
        !services_.askYesNo(this,
                            QStringLiteral("The file has been changed on disk by another program. "
                                           "Overwrite it?"),
                            QStringLiteral("Quillmark Tagwright"))) {
        return SaveOutcome::KeptDiskVersion;
    }
    lastSave_ = {target, editor_->model().SaveFile(target)};
    if (lastSave_.result != FileResult::Ok) {
        return SaveOutcome::Failed;
    }
    setPath(target);
    rememberDiskTime();
    app_.recentFiles().add(path_);
    SetTitle(QString::fromStdString(path_));
    // No longer modified: whoever shows that state hears of it.
    emit editor_->changed();
    return SaveOutcome::Saved;
}

bool CChildWin::saveForCommand() {
    const SaveOutcome outcome = save(true);
    if (outcome == SaveOutcome::Failed && !lastSave_.path.empty()) {
        reportSaveFailure();
    }
    return outcome == SaveOutcome::Saved;
}

void CChildWin::keepMarkLinks(std::shared_ptr<const void> records) {
    if (std::find(markLinks_.begin(), markLinks_.end(), records) == markLinks_.end()) {
        markLinks_.push_back(std::move(records));
    }
}

void CChildWin::reportSaveFailure() {
    const QString detail =
        lastSave_.path.empty()
            ? QString()
            : QString::fromStdString(DescribeFileFailure(lastSave_.path, lastSave_.result));
    services_.failure(this, QStringLiteral("Failed to save file."), detail);
}

void CChildWin::saveAs() {
    const CEditorSettings& settings = app_.settings();
    const QString filter =
        QString::fromStdString(BuildFileFilter(FilterHtml | FilterAll, settings));
    services_.setDialogFolder(folder());
    const QString chosen = services_.saveFileName(this, filter, QStringLiteral("html"));
    if (!chosen.isEmpty() && saveTo(chosen.toStdString()) == SaveOutcome::Failed) {
        reportSaveFailure();
    }
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
        showBeforeAsking();
        answer = services_.askYesNoCancel(
            this, QStringLiteral("Do you want to save your document before closing?"),
            QStringLiteral("Quillmark Tagwright"));
        break;
    }
    if (answer == IPlatformServices::Answer::Cancel) {
        return false;
    }
    if (answer == IPlatformServices::Answer::Yes) {
        const SaveOutcome outcome = save(true);
        if (outcome == SaveOutcome::Failed) {
            reportSaveFailure();
        }
        return outcome == SaveOutcome::Saved;
    }
    return true;
}

// When the program shuts down with several modified documents, the question
// must stand over the document it is about.
void CChildWin::showBeforeAsking() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub != nullptr && sub->mdiArea() != nullptr && sub->mdiArea()->activeSubWindow() != sub) {
        sub->mdiArea()->setActiveSubWindow(sub);
    }
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
    if (frame == nullptr) {
        return;
    }
    QPointer<CFindDlg>& findDialog = frame->findDialog();
    CAppState& state = app_.state();
    if (!editor_->model().GetSelectedText().empty()) {
        state.FindText = editor_->model().GetSelectedText();
    }
    if (findDialog == nullptr) {
        auto source = [frame]() -> CMyEditBox* {
            CChildWin* document = frame->activeDocument();
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
        findDialog->setStatusReporter([frame](const QString& text) { frame->showMessage(text); });
    }
    findDialog->reload();
    findDialog->show();
    findDialog->raise();
    findDialog->activateWindow();
}

void CChildWin::showContextMenu(const QPoint& globalPos) {
    CMainWin* frame = app_.mainWindow();
    if (frame == nullptr) {
        return;
    }
    frame->commands().refresh();
    QMenu menu(this);
    frame->fillMenu(&menu, ContextMenuLayout());
    menu.exec(globalPos);
}

namespace {

void enabledWithSelection(CChildWin& window, int, CommandState& state) {
    const Selection selection = window.editor().model().GetSelection();
    state.enabled = selection.start != selection.caret;
}

// Copy and Delete act on the marks while Use Marks is on, and say so.
void marksOrSelection(CChildWin& window, int id, CommandState& state) {
    const bool useMarks = window.usesMarks();
    state.enabled = !useMarks || !window.editor().model().marks().empty();
    if (id == Cmd::Copy) {
        state.text =
            useMarks ? QStringLiteral("Copy Marks\tCtrl + C") : QStringLiteral("Copy\tCtrl + C");
    } else {
        state.text = useMarks ? QStringLiteral("Delete Marks\tDel") : QStringLiteral("Delete\tDel");
    }
}

// Next and Previous Error walk the newest Error Log about this document.
void walksErrors(CChildWin& window, int, CommandState& state) {
    state.enabled =
        window.errorLogs() != nullptr && window.errorLogs()->latestAbout(window.path()) != nullptr;
}

} // namespace

const CommandRows<CChildWin>& CChildWin::commandRows() {
    using Row = CommandRow<CChildWin>;
    static const CommandRows<CChildWin> rows = [] {
        std::vector<Row> list = {
            {Cmd::FileSave, nullptr, [](CChildWin& w, int) { w.saveCommand(); }},
            {Cmd::FileSaveAs, nullptr, [](CChildWin& w, int) { w.saveAs(); }},
            {Cmd::FileClose, nullptr, [](CChildWin& w, int) { w.closeWindow(); }},
            {Cmd::Undo,
             [](CChildWin& w, int, CommandState& state) {
                 state.enabled = !w.editor().model().undoList().empty();
             },
             [](CChildWin& w, int) { w.editor().Undo(); }},
            {Cmd::Redo,
             [](CChildWin& w, int, CommandState& state) {
                 state.enabled = !w.editor().model().redoList().empty();
             },
             [](CChildWin& w, int) { w.editor().Redo(); }},
            {Cmd::Cut, enabledWithSelection, [](CChildWin& w, int) { w.editor().Cut(); }},
            {Cmd::Copy, marksOrSelection, [](CChildWin& w, int) { w.editor().Copy(); }},
            {Cmd::CopyPlainText, nullptr, [](CChildWin& w, int) { w.editor().CopyPlainText(); }},
            {Cmd::Paste,
             [](CChildWin&, int, CommandState& state) { state.enabled = clipboardHasText(); },
             [](CChildWin& w, int) { w.editor().Paste(); }},
            {Cmd::Delete, marksOrSelection,
             [](CChildWin& w, int) { w.editor().DeleteSelection(); }},
            {Cmd::SelectAll, nullptr, [](CChildWin& w, int) { w.editor().SelectAll(); }},
            {Cmd::ColorKey, nullptr, [](CChildWin& w, int) { w.editor().ColorKey(); }},
            {Cmd::Find, nullptr, [](CChildWin& w, int) { w.openFind(); }},
            {Cmd::MarkSelection, enabledWithSelection,
             [](CChildWin& w, int) { w.editor().MarkSelection(); }},
            {Cmd::RemoveMark,
             [](CChildWin& w, int, CommandState& state) {
                 state.enabled = w.editor().model().IsSelectionStartInMark();
             },
             [](CChildWin& w, int) { w.editor().RemoveMark(); }},
            {Cmd::RemoveAllMarks,
             [](CChildWin& w, int, CommandState& state) {
                 state.enabled = !w.editor().model().marks().empty();
             },
             [](CChildWin& w, int) { w.editor().RemoveAllMarks(); }},
            {Cmd::SmartTabs, enabledWithSelection,
             [](CChildWin& w, int) {
                 w.afterRewrite(TextTransforms::SmartTabs(w.editor().model(), w.app_.tagData()));
             }},
            {Cmd::UpperCase, enabledWithSelection,
             [](CChildWin& w, int) {
                 w.afterRewrite(TextTransforms::UpperCase(w.editor().model()));
             }},
            {Cmd::LowerCase, enabledWithSelection,
             [](CChildWin& w, int) {
                 w.afterRewrite(TextTransforms::LowerCase(w.editor().model()));
             }},
            {Cmd::SmartCase, enabledWithSelection,
             [](CChildWin& w, int) {
                 w.afterRewrite(TextTransforms::SmartCase(w.editor().model()));
             }},
            {Cmd::Font, nullptr, [](CChildWin& w, int) { w.runFont(w.usesMarks()); }},
            {Cmd::NextError, walksErrors, [](CChildWin& w, int) { w.stepError(1); }},
            {Cmd::PreviousError, walksErrors, [](CChildWin& w, int) { w.stepError(-1); }},
            {Cmd::FollowLink,
             [](CChildWin& w, int, CommandState& state) {
                 const std::optional<CaretValue> value = w.caretValue();
                 state.enabled = value && value->allowed->link;
             },
             [](CChildWin& w, int) { w.followLink(); }},
            {Cmd::ChooseParameter, chooseParameterState,
             [](CChildWin& w, int) { w.chooseParameter(); }},
            {Cmd::InsertTag, nullptr, [](CChildWin& w, int) { w.openInsertTag(); }},
            {Cmd::GetCurrentTag, nullptr, [](CChildWin&, int) {}},
            {Cmd::InsertAnchor, nullptr, [](CChildWin& w, int) { w.insertAnchor(); }},
            {Cmd::InsertImage, nullptr, [](CChildWin& w, int) { w.insertImage(); }},
            {Cmd::InsertTable, nullptr, [](CChildWin& w, int) { w.insertTable(); }},
            {Cmd::InsertFrames, nullptr, [](CChildWin& w, int) { w.insertFrames(); }},
        };
        for (const FormatCommand& format : AllFormatCommands()) {
            list.push_back({format.id, nullptr, [](CChildWin& w, int id) {
                                w.afterRewrite(FormatCommands::run(
                                    *FindFormatTag(id), w.editor().model(), w.usesMarks()));
                            }});
        }
        return CommandRows<CChildWin>(std::move(list));
    }();
    return rows;
}

ErrorLogs* CChildWin::errorLogs() const {
    CMainWin* frame = app_.mainWindow();
    return frame != nullptr ? &frame->errorLogs() : nullptr;
}

void CChildWin::stepError(int direction) {
    if (ErrorLogs* logs = errorLogs()) {
        logs->stepError(*this, direction);
    }
}

std::optional<CaretValue> CChildWin::caretValue() const {
    const Selection selection = editor_->model().GetSelection();
    return CaretValueAt(app_.tagData(), editor_->model().text(), selection.start, selection.caret);
}

void CChildWin::followLink() {
    const std::optional<CaretValue> value = caretValue();
    CMainWin* frame = app_.mainWindow();
    if (!value || frame == nullptr) {
        return;
    }
    const LinkTarget link = LinkTarget::Resolve(value->text, path_);
    const QString target = QString::fromStdString(link.target);
    switch (link.kind) {
    case LinkTarget::Kind::LocalFile:
        frame->documents().OpenFile(link.target, false);
        break;
    case LinkTarget::Kind::WebAddress:
        if (!services_.openAddress(target)) {
            services_.failure(frame, QStringLiteral("Failed to open file"),
                              target + QStringLiteral("\n\nNo program takes this address."));
        }
        break;
    case LinkTarget::Kind::Unresolved:
        services_.failure(frame, QStringLiteral("Failed to open file"),
                          target +
                              QStringLiteral("\n\nThe link is relative to the document's folder, "
                                             "and the document is not saved yet."));
        break;
    }
}

bool CChildWin::usesMarks() const {
    return app_.state().UseMarks == 1;
}

bool CChildWin::commandState(int id, CommandState& state) {
    return commandRows().state(*this, id, state);
}

bool CChildWin::runCommand(int id) {
    return commandRows().run(*this, id);
}

void CChildWin::saveCommand() {
    if (save(true) == SaveOutcome::Failed) {
        reportSaveFailure();
    }
}

// File > Close goes through the same close handling as the window's own
// close button, so unsaved edits are saved, asked about or dropped as the
// user's save policy says.
void CChildWin::closeWindow() {
    if (QWidget* frame = parentWidget()) {
        frame->close();
    } else {
        close();
    }
}
