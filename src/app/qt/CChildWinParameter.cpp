// Choose Parameter of CChildWin: the dialogs that pick the value at the caret.
#include "app/FileFilter.h"
#include "app/qt/CChildWin.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/IPlatformServices.h"
#include "editor/qt/CMyEditBox.h"
#include "html/CValueSpec.h"
#include "html/ColorText.h"
#include "project/PathUtils.h"

#include <QApplication>
#include <algorithm>

// Each property of the argument enables the command and names what it will
// do; a later one wins the text.
void CChildWin::chooseParameterState(CChildWin& window, int, CommandState& state) {
    state.enabled = false;
    const std::optional<CaretValue> value = window.caretValue();
    if (!value) {
        return;
    }
    if (value->allowed->link) {
        state.enabled = true;
        state.text = QStringLiteral("Select File...\tCtrl + Shift + P");
    }
    if (value->allowed->color) {
        state.enabled = true;
        state.text = QStringLiteral("Choose Color...\tCtrl + Shift + P");
    }
    if (!value->allowed->values.empty()) {
        state.enabled = true;
        state.text = QStringLiteral("Predefined Value...\tCtrl + Shift + P");
    }
}

void CChildWin::chooseParameter() {
    const std::optional<CaretValue> value = caretValue();
    if (!value) {
        return;
    }
    const CValueSpec& allowed = *value->allowed;
    if (allowed.link) {
        chooseFile();
    }
    if (allowed.color) {
        chooseColor();
    }
    if (!allowed.values.empty()) {
        choosePredefinedValue();
    }
}

// Each dialog works on the value as the one before it left it.
void CChildWin::chooseFile() {
    const QString chosen =
        services_.openFileName(this, QString::fromStdString(BuildFileFilter(
                                         FilterHtml | FilterAll | FilterImages, app_.settings())));
    const std::optional<CaretValue> value = caretValue();
    if (chosen.isEmpty() || !value) {
        return;
    }
    std::string link = RelativePath(chosen.toStdString(), DirectoryOf(path_));
    ToForwardSlashes(link);
    replaceCaretValue(*value, "\"" + link + "\"");
}

void CChildWin::chooseColor() {
    std::optional<CaretValue> value = caretValue();
    if (!value) {
        return;
    }
    const std::optional<ColorChoice> choice =
        services_.chooseColor(this, ColorText::Read(value->text), app_.tagData().colors());
    value = caretValue();
    if (choice && value) {
        replaceCaretValue(*value, ColorText::Write(*choice, ColorTextCaller::ChooseParameter));
    }
}

void CChildWin::choosePredefinedValue() {
    std::optional<CaretValue> value = caretValue();
    if (!value) {
        return;
    }
    std::vector<std::string> offered;
    for (const CTagValue& predefined : value->allowed->values) {
        offered.push_back(predefined.text);
    }
    const std::optional<std::string> chosen = services_.chooseValue(this, offered);
    value = caretValue();
    if (chosen && value) {
        replaceCaretValue(*value, *chosen);
    }
}

// One undo step per replacement. The caret stays inside the new value, so
// that a dialog after this one still finds it.
bool CChildWin::replaceCaretValue(const CaretValue& value, const std::string& text) {
    TextModel& model = editor_->model();
    const Selection before = model.GetSelection();
    if (model.ReplaceRange(value.span.start, value.span.end, text, {}, UndoMode::Edit, true) !=
        EditResult::Done) {
        QApplication::beep();
        return false;
    }
    const int end = value.span.start + static_cast<int>(text.size());
    editor_->SetSelection(std::clamp(before.start, value.span.start, end),
                          std::clamp(before.caret, value.span.start, end), true);
    editor_->ColorKeyLine(model.LineOfOffset());
    editor_->Refresh();
    return true;
}
