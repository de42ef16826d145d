#pragma once

#include "app/qt/ICommandTarget.h"

#include <algorithm>
#include <vector>

// One command of a window kind: its id, the rule that says how it looks now
// (null: always enabled) and what it does. Both get the id, so that one
// function serves a family of commands (the recent files, the headers).
template <typename Target> struct CommandRow {
    using StateRule = void (*)(Target& target, int id, CommandState& state);
    using Action = void (*)(Target& target, int id);

    int id = 0;
    StateRule state = nullptr;
    Action run = nullptr;
};

// The commands a window kind handles. Menus, toolbars and the context menu
// offer exactly these; the command registry asks them for state and runs them.
template <typename Target> class CommandRows {
public:
    explicit CommandRows(std::vector<CommandRow<Target>> rows) : rows_(std::move(rows)) {}

    bool handles(int id) const { return find(id) != nullptr; }

    bool state(Target& target, int id, CommandState& state) const {
        const CommandRow<Target>* row = find(id);
        if (row == nullptr) {
            return false;
        }
        if (row->state != nullptr) {
            row->state(target, id, state);
        }
        return true;
    }

    bool run(Target& target, int id) const {
        const CommandRow<Target>* row = find(id);
        if (row == nullptr) {
            return false;
        }
        row->run(target, id);
        return true;
    }

    const std::vector<CommandRow<Target>>& rows() const { return rows_; }

private:
    const CommandRow<Target>* find(int id) const {
        const auto found =
            std::find_if(rows_.begin(), rows_.end(),
                         [id](const CommandRow<Target>& row) { return row.id == id; });
        return found == rows_.end() ? nullptr : &*found;
    }

    std::vector<CommandRow<Target>> rows_;
};
