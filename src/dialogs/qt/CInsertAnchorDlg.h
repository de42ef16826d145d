#pragma once

#include "dialogs/AnchorFields.h"
#include "dialogs/qt/InsertDialogParts.h"

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// Asks for a link's target, frame, name and caption.
class CInsertAnchorDlg : public QDialog {
    Q_OBJECT

public:
    // caption: the selected text; targets: the values the tag model offers
    // for TARGET; projectLinks: the current project's files as this document
    // links to them, nothing without a project. With useMarks every mark is
    // wrapped instead, so the caption cannot be edited.
    CInsertAnchorDlg(const std::string& caption, bool useMarks,
                     const std::vector<std::string>& targets,
                     const std::optional<std::vector<std::string>>& projectLinks,
                     FileBrowser browse, QWidget* parent = nullptr);

    AnchorFields fields() const;

private:
    QLineEdit* path_;
    QComboBox* projectFile_;
    QLineEdit* name_;
    QComboBox* target_;
    QPlainTextEdit* caption_;
    // The selection's bytes are kept as they were unless the caption is
    // edited: they need not be valid UTF-8.
    std::string givenCaption_;
    QString shownCaption_;
};
