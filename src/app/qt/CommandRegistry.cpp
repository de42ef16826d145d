#include "app/qt/CommandRegistry.h"

#include "app/CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>
#include <QWidget>

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QIcon iconFor(std::string_view name) {
    if (name.empty()) {
        return {};
    }
    return QIcon(QStringLiteral(":/icons/") + qs(name) + QStringLiteral(".svg"));
}

} // namespace

CommandRegistry::CommandRegistry(QWidget* owner, ICommandTarget& frame, ChildTargetFn activeChild)
    : QObject(owner), frame_(frame), activeChild_(std::move(activeChild)) {
    for (const CommandInfo& info : AllCommands()) {
        auto* action = new QAction(qs(info.menuText), owner);
        action->setStatusTip(qs(info.prompt));
        action->setToolTip(qs(info.toolTip));
        action->setIcon(iconFor(info.icon));
        action->setShortcuts(QKeySequence::listFromString(qs(info.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setData(info.id);
        owner->addAction(action);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { execute(id); });
        actions_[id] = action;
        defaultTexts_[id] = action->text();
    }
    QCoreApplication::instance()->installEventFilter(this);
}

// A disabled action's shortcut never fires, so an action still disabled from
// the last refresh would swallow the key of a command that has just become
// possible (Ctrl+M right after selecting). The rules are asked again before
// the shortcut map sees a key with Ctrl or Alt.
bool CommandRegistry::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        scheduleRefresh();
        break;
    default:
        break;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        QObject* focus = QGuiApplication::focusObject();
        const bool commandKey = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0 ||
                                isShortcut(QKeySequence(key->keyCombination()));
        if (commandKey && (focus == nullptr || watched == focus)) {
            refresh();
        }
    }
    return QObject::eventFilter(watched, event);
}

bool CommandRegistry::isShortcut(const QKeySequence& key) const {
    for (const auto& [id, action] : actions_) {
        if (action->shortcuts().contains(key)) {
            return true;
        }
    }
    return false;
}

QAction* CommandRegistry::action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

bool CommandRegistry::isHandled(int id, ICommandTarget* child) const {
    CommandState state;
    return (child != nullptr && child->commandState(id, state)) || frame_.commandState(id, state);
}

bool CommandRegistry::stateOf(int id, CommandState& state) const {
    ICommandTarget* child = activeChild_();
    if (child != nullptr && child->commandState(id, state)) {
        return true;
    }
    state = CommandState();
    return frame_.commandState(id, state);
}

void CommandRegistry::apply(int id, QAction* action, const CommandState* state) {
    action->setEnabled(state != nullptr && state->enabled);
    action->setCheckable(state != nullptr && state->checkable);
    if (state != nullptr) {
        action->setChecked(state->checked);
    }
    const QString text =
        (state != nullptr && !state->text.isEmpty()) ? state->text : defaultTexts_[id];
    if (action->text() != text) {
        action->setText(text);
    }
}

void CommandRegistry::scheduleRefresh() {
    if (refreshPending_) {
        return;
    }
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refresh();
    });
}

void CommandRegistry::refresh() {
    for (const auto& [id, action] : actions_) {
        CommandState state;
        apply(id, action, stateOf(id, state) ? &state : nullptr);
    }
}

bool CommandRegistry::execute(int id) {
    CommandState state;
    const bool handled = stateOf(id, state);
    if (QAction* action = this->action(id)) {
        apply(id, action, handled ? &state : nullptr);
    }
    if (!handled || !state.enabled) {
        return false;
    }
    ICommandTarget* child = activeChild_();
    const bool ran = (child != nullptr && child->runCommand(id)) || frame_.runCommand(id);
    scheduleRefresh();
    return ran;
}
