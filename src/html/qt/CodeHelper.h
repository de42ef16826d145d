#pragma once

#include "editor/qt/ICodeHelper.h"
#include "html/CodeHelperChoice.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CMyEditBox;
class CTagData;
class ListWindow;

// What the CodeHelper asks of the window around its editor. Either may be
// left empty.
struct CodeHelperHooks {
    // The open project's files as links from the document; empty without a
    // project.
    std::function<std::vector<std::string>()> projectLinks;
    // Shows the selected entry's description in the status bar.
    std::function<void(const QString& info)> showInfo;
};

// The completion list of one editor: offers the tag names, argument names or
// values the caret's position allows, follows what is typed, and on Return
// puts the chosen entry in place of the word being typed, as one undo step.
// The list belongs to the caret it was opened for: once the caret moves or
// the text changes by other means, it is hidden.
class CodeHelper : public QObject, public ICodeHelper {
    Q_OBJECT

public:
    // Lives as a child of editor; the list window is a child of its text area.
    CodeHelper(CMyEditBox& editor, const CTagData& tags, CodeHelperHooks hooks);

    void ShowCodeHelper() override;
    void HideCodeHelper() override;
    bool isVisible() const override;
    bool CommitCodeHelper() override;
    void SelectNext() override;
    void SelectPrevious() override;

    CodeHelperMode mode() const { return mode_; }
    ListWindow& listWindow() const { return *list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showList();
    void hideIfStale();
    bool isStale() const;

    CMyEditBox& editor_;
    const CTagData& tags_;
    CodeHelperHooks hooks_;
    ListWindow* list_;
    CodeHelperMode mode_ = CodeHelperMode::Hidden;
    bool busy_ = false;
    std::optional<CCaretTag> caretTag_;
    // The text length and selection the list was made for.
    int shownLength_ = 0;
    int shownStart_ = 0;
    int shownCaret_ = 0;
};
