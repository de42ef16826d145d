#pragma once

#include <QDialog>

class CTagData;
class QPlainTextEdit;
class QTreeWidget;

// "HTML Language": the whole vocabulary as a tree of groups, tags, their
// arguments and the arguments' values, with the description of the selected
// tag or argument. It only shows; OK and Cancel both just close it.
class CHtmlLanguageDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHtmlLanguageDlg(const CTagData& tags, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    QPlainTextEdit* info() const { return info_; }

    static constexpr const char* Caption = "HTML Language";

private:
    void fillTree(const CTagData& tags);
    void showInfo();

    QTreeWidget* tree_;
    QPlainTextEdit* info_;
};
