#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class CMyEditBox;
class QLabel;
class QStatusBar;

// The status bar's panes about the active document: where the caret stands
// (with the selection's length) and whether there are unsaved edits. They
// follow one editor at a time and are blank while no document is active.
class StatusPanes : public QObject {
    Q_OBJECT

public:
    static constexpr const char* ModifiedText = "Modified";

    // Adds the panes to bar as permanent widgets.
    explicit StatusPanes(QStatusBar* bar);

    // The editor whose state the panes show from now on; null for none.
    void follow(CMyEditBox* editor);

    QString positionText() const;
    QString modifiedText() const;

private:
    void update();

    QLabel* position_;
    QLabel* modified_;
    QPointer<CMyEditBox> editor_;
    QMetaObject::Connection changes_;
    // Many changes of one keystroke come to one update of the panes.
    QTimer pending_;
};
