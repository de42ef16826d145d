#pragma once

#include "app/qt/ICommandTarget.h"

#include <QObject>
#include <functional>
#include <map>

class QAction;
class QKeySequence;
class QWidget;

// One QAction per command of the command table. Before a menu shows, before
// a command runs and after anything that may change a command's state (a
// key or mouse button, a change in an editor, the clipboard, the active
// window), its state is asked of the active child window first and then of
// the main window; a command that nobody handles, or that is disabled, never
// runs.
class CommandRegistry : public QObject {
    Q_OBJECT

public:
    using ChildTargetFn = std::function<ICommandTarget*()>;

    CommandRegistry(QWidget* owner, ICommandTarget& frame, ChildTargetFn activeChild);

    QAction* action(int id) const;
    // True when the frame or the given kind of child handles id at all, so
    // that menus and toolbars show only commands that work.
    bool isHandled(int id, ICommandTarget* child) const;

    // Whether a command is bound to key.
    bool isShortcut(const QKeySequence& key) const;

    // Re-evaluates every action's enabled, checked and text state.
    void refresh();
    // Refreshes once when the event loop is next idle, however often asked.
    void scheduleRefresh();
    // Runs id if it is enabled now; returns whether it ran.
    bool execute(int id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool stateOf(int id, CommandState& state) const;
    void apply(int id, QAction* action, const CommandState* state);

    ICommandTarget& frame_;
    ChildTargetFn activeChild_;
    std::map<int, QAction*> actions_;
    std::map<int, QString> defaultTexts_;
    bool refreshPending_ = false;
};
