#include "app/LinkList.h"
#include "app/LinkRewrite.h"
#include "app/qt/IPlatformServices.h"
#include "editor/qt/CMyEditBox.h"
#include "project/PathUtils.h"
#include "project/qt/CEditLinkDlg.h"
#include "project/qt/CLinkValidator.h"
#include "project/qt/ILinkDocuments.h"

#include <QListView>

// The dialog's ways into the documents: opening a target or a referring
// place, and re-pointing a target at every place that refers to it.

namespace {

std::size_t markIndexOf(const TextModel& model, const IMarkLink* link) {
    const std::vector<CMarkRecord>& marks = model.marks();
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i].link == link) {
            return i;
        }
    }
    return marks.size();
}

} // namespace

void CLinkValidator::openLink() {
    const int link = selectedLink();
    if (link < 0) {
        return;
    }
    const std::string& text = links_->links()[static_cast<std::size_t>(link)].text;
    if (!IsLocalLink(text)) {
        services_.openAddress(QString::fromStdString(text));
        return;
    }
    documents_.openFile(AbsolutePath(base_, text));
}

void CLinkValidator::openReference(int row) {
    const int link = selectedLink();
    if (link < 0 || row < 0) {
        return;
    }
    const std::vector<CLinkRef>& refs = links_->links()[static_cast<std::size_t>(link)].refs;
    if (static_cast<std::size_t>(row) >= refs.size()) {
        return;
    }
    const CLinkRef& ref = refs[static_cast<std::size_t>(row)];
    if (CMyEditBox* editor = documents_.openInEditor(AbsolutePath(base_, ref.file))) {
        editor->setFocus();
        editor->SelectAndShow(ref.start, ref.end);
        editor->Refresh();
    }
}

void CLinkValidator::editLink() {
    const int link = selectedLink();
    if (link < 0) {
        return;
    }
    CEditLinkDlg dialog(links_->links()[static_cast<std::size_t>(link)].text, base_, services_,
                        this);
    if (dialog.exec() == QDialog::Accepted) {
        changeLink(static_cast<std::size_t>(link), dialog.path());
    }
}

void CLinkValidator::changeLink(std::size_t index, const std::string& newPath) {
    if (!links_ || index >= links_->size()) {
        return;
    }
    CLink& link = links_->links()[index];
    QStringList leftAlone;
    for (std::size_t ref = 0; ref < link.refs.size(); ++ref) {
        const std::string why = rewriteReference(link, ref, newPath);
        if (!why.empty()) {
            leftAlone << QString::fromStdString(link.refs[ref].file + ": " + why);
        }
    }
    if (!leftAlone.isEmpty()) {
        services_.failure(this, QStringLiteral("Some references were left unchanged."),
                          leftAlone.join('\n'));
    }
}

std::string CLinkValidator::rewriteReference(CLink& link, std::size_t refIndex,
                                             const std::string& newPath) {
    CLinkRef& ref = link.refs[refIndex];
    CMyEditBox* editor = documents_.openInEditor(AbsolutePath(base_, ref.file));
    if (editor == nullptr) {
        return "the file could not be opened";
    }
    TextModel& model = editor->model();
    if (!LinkRewrite::Holds(model.text(), ref)) {
        return "the link there has changed since the scan";
    }
    const std::string value = LinkRewrite::NewValue(newPath, base_, ref.file);
    const std::size_t mark = markIndexOf(model, &ref);
    const int oldEnd = ref.end;
    if (model.ReplaceRange(ref.start, ref.end, value, {}, UndoMode::Edit, false) !=
        EditResult::Done) {
        return "the document would pass its size limit";
    }
    const int end = ref.start + static_cast<int>(value.size());
    // Marks left over the old value (an earlier validation's, for one) are
    // fitted to the new value instead of keeping its old length.
    model.markList().fitCovered(ref.start, oldEnd, end, mark);
    if (mark < model.marks().size()) {
        model.markList().moveTo(mark, ref.start, end);
    } else {
        ref.setSpan(ref.start, end);
    }
    ref.written = value.substr(1, value.size() - 2);
    editor->ColorKey();
    editor->Refresh();
    return {};
}
