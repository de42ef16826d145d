#pragma once

#include "editor/FindReplace.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class CMyEditBox;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The modeless Find dialog. Every button works on the editor that the
// source gives at the moment of the click; with none (no document window
// active) it does nothing. The find and replace texts are remembered in
// strings that outlive the dialog.
class CFindDlg : public QDialog {
    Q_OBJECT

public:
    // The editor of the active document window, or null.
    using EditorSource = std::function<CMyEditBox*()>;
    // "Replace this?" with Yes, No and Cancel.
    using Question = std::function<ReplaceAnswer(const QString& text, const QString& caption)>;
    using Message = std::function<void(const QString& text, const QString& caption)>;
    // A line for the status bar, about a search's outcome.
    using Status = std::function<void(const QString& text)>;

    static constexpr const char* Caption = "Find";
    static constexpr const char* ReplaceQuestion = "Replace this?";
    static constexpr const char* FindTextTooLong =
        "The text to find is longer than 255 bytes. Please enter a shorter text.";
    static constexpr const char* ResultTooLong =
        "The document would grow past its size limit. Nothing was changed.";

    CFindDlg(EditorSource activeEditor, std::string& findText, std::string& replaceText,
             Question question = {}, Message message = {}, QWidget* parent = nullptr);

    // Where a failed search and Replace All tell their outcome, and the
    // sound of a failed search (the system's beep unless set).
    void setStatusReporter(Status status) { status_ = std::move(status); }
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // Shows the remembered texts in the Find and Replace fields.
    void reload();
    // Before the dialog opens: a non-empty selection becomes the find text.
    void takeSelectionAsFindText();

    void findNext();
    void findPrev();
    void replace();
    void replaceAll();
    void markAll();
    void replaceMarks();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void connectButtons();
    void find(int step);
    // The find field as bytes, or empty when it cannot be searched (a text
    // that is too long is reported).
    std::string searchableFindText();
    ReplaceAnswer ask();
    void tell(const QString& text);
    void showStatus(const QString& text) const;
    void reportNotFound() const;
    CMyEditBox* editor() const;
    static std::string bytesOf(const QLineEdit* field);

    EditorSource activeEditor_;
    std::string& findText_;
    std::string& replaceText_;
    Question question_;
    Message message_;
    Status status_;
    std::function<void()> beep_;

    QLineEdit* findEdit_ = nullptr;
    QLineEdit* replaceEdit_ = nullptr;
    QLineEdit* addBeforeEdit_ = nullptr;
    QLineEdit* addAfterEdit_ = nullptr;
    QCheckBox* promptCheck_ = nullptr;
    QCheckBox* caseCheck_ = nullptr;
    QPushButton* findNextButton_ = nullptr;
    QPushButton* findPrevButton_ = nullptr;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* replaceAllButton_ = nullptr;
    QPushButton* markAllButton_ = nullptr;
    QPushButton* replaceMarksButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};
