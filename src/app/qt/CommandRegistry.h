#pragma once

#include "app/qt/ICommandTarget.h"

#include <QObject>
#include <functional>
#include <map>

class QAction;
class QWidget;

// One QAction per command of the command table. Before a menu shows, when
// the active window or the selection changes and before a command runs, its
// state is asked of the active child window first and then of the main
// window; a command that nobody handles, or that is disabled, never runs.
class CommandRegistry : public QObject {
    Q_OBJECT

public:
    using ChildTargetFn = std::function<ICommandTarget*()>;

    CommandRegistry(QWidget* owner, ICommandTarget& frame, ChildTargetFn activeChild);

    QAction* action(int id) const;
    // True when the frame or the given kind of child handles id at all, so
    // that menus and toolbars show only commands that work.
    bool isHandled(int id, ICommandTarget* child) const;

    // Re-evaluates every action's enabled, checked and text state.
    void refresh();
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
};
