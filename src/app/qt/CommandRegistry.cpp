#include "app/qt/CommandRegistry.h"

#include "app/CommandTable.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
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
    if (child != nullptr && child->runCommand(id)) {
        return true;
    }
    return frame_.runCommand(id);
}
