#pragma once

#include "app/qt/CommandRows.h"
#include "app/qt/ICommandTarget.h"
#include "editor/TextModel.h"
#include "html/CaretValue.h"

#include <QDateTime>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class CEditorApp;
struct CodeHelperHooks;
enum class ColorTextCaller;
class CMyEditBox;
class ErrorLogLines;
class ErrorLogs;
class IPlatformServices;
class QMenu;

// The window of one document: its editor, its path ("" while untitled) and
// the document commands, which run on the editor.
class CChildWin : public QWidget, public ICommandTarget {
    Q_OBJECT

public:
    CChildWin(CEditorApp& app, IPlatformServices& services, QWidget* parent = nullptr);
    ~CChildWin() override;

    // The commands of a document window.
    static const CommandRows<CChildWin>& commandRows();
    // Whether a document window handles id at all.
    static bool handlesCommand(int id);
    // Whether commands act on the marks instead of the selection.
    bool usesMarks() const;

    CMyEditBox& editor() const { return *editor_; }
    const std::string& path() const { return path_; }
    // The document's file; its type decides whether colouring may change the
    // case of names.
    void setPath(const std::string& path);
    // The folder of the document's file; "" while untitled.
    QString folder() const;

    // Sets the caption, but only to the document's path or "Untitled".
    void SetTitle(const QString& text);
    // Loads path into the editor; a failure leaves the document as it was.
    // reason, when given, receives the system's words for a failure.
    FileResult loadFile(const std::string& path, std::string* reason = nullptr);
    // Writes the document to its path, asking for one first when untitled and
    // askIfUntitled is set. False when cancelled or the file cannot be written.
    bool SaveDocument(bool askIfUntitled);
    // Saves before a command that reads the file (Check Code): as Save does,
    // but a cancelled dialog says nothing. True when the file was written.
    bool saveForCommand();
    // Keeps the records that marks in this document link to (log lines,
    // link references) alive as long as the document is.
    void keepMarkLinks(std::shared_ptr<const void> records);
    // Save As: asks for a name; the document takes it once it is written.
    void saveAs();

    // Asks whether to reload when the file changed on disk since it was read
    // or written; reloads only on Yes.
    void checkChangedOnDisk();

    // The main window's Error Logs; null while it is being built.
    ErrorLogs* errorLogs() const;
    // Selects the next (1) or previous (-1) error of the newest Error Log
    // about this document.
    void stepError(int direction);
    // The known argument value at the selection, if any.
    std::optional<CaretValue> caretValue() const;
    // Opens what the link value at the caret names: a page or image beside
    // this document, or a web address in the desktop's handler.
    void followLink();
    // Runs, one after another, Select File, Choose Color and Choose
    // Predefined Value as the argument at the caret takes a link, a colour
    // or one of a list of values; each choice replaces the value.
    void chooseParameter();
    // Opens another modeless Insert Tag dialog; it inserts into whichever
    // document is active when its buttons are clicked.
    void openInsertTag();

    static constexpr const char* TooLongMessage =
        "The document would grow past its size limit of 1,048,574 bytes. Nothing was changed.";

    bool commandState(int id, CommandState& state) override;
    bool runCommand(int id) override;

signals:
    void tagInfoChanged(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    static void chooseParameterState(CChildWin& window, int id, CommandState& state);
    void chooseFile();
    void chooseColor();
    void choosePredefinedValue();
    bool replaceCaretValue(const CaretValue& value, const std::string& text);
    CodeHelperHooks codeHelperHooks();
    bool closeHandling();
    void showBeforeAsking();
    void saveCommand();
    void closeWindow();
    void runFont(bool useMarks);
    // Insert Anchor, Image, Table and Frames: a dialog, then its text over
    // the selection.
    void insertAnchor();
    void insertImage();
    void insertTable();
    void insertFrames();
    QString browseLink(unsigned filterFlags);
    std::optional<QString> chooseInsertColour(ColorTextCaller caller);
    // Selects [start, caret) held to the end of what was inserted at from,
    // colours, redraws and gives the editor the focus; or says why nothing
    // was inserted.
    void showInserted(EditResult result, int from, std::size_t inserted, int start, int caret,
                      bool wholeText);
    void openFind();
    // Shows what an edit command came to: a refusal, or the new text
    // recoloured with its selection.
    void afterRewrite(EditResult result);
    void showContextMenu(const QPoint& globalPos);
    void rememberDiskTime();
    bool changedOnDiskSinceRead() const;
    bool holdsDiskVersion(const std::string& target) const;

    enum class SaveOutcome { Saved, Failed, KeptDiskVersion };
    SaveOutcome save(bool askIfUntitled);
    SaveOutcome saveTo(const std::string& target);
    void reportSaveFailure();
    QString captionText() const;

    CEditorApp& app_;
    IPlatformServices& services_;
    CMyEditBox* editor_;
    std::string path_;
    QDateTime diskTime_;
    qint64 diskSize_ = -1;
    struct {
        std::string path; // "" when no write was tried
        FileResult result = FileResult::Ok;
    } lastSave_;
    bool askingToReload_ = false;
    std::vector<std::shared_ptr<const void>> markLinks_;
};
