#pragma once

#include "app/CEditorSettings.h"

#include <cstddef>
#include <functional>
#include <string>
#include <variant>

// A value as the settings store keeps it: an integer or a text.
using SettingValue = std::variant<int, std::string>;

// The field of CEditorSettings that a stored value fills.
struct SettingField {
    std::function<SettingValue(const CEditorSettings&)> get;
    std::function<void(CEditorSettings&, const SettingValue&)> set;
};

enum class RecentListId { Files, Projects };

// One slot of a recent list; slots past the list's end are never written.
struct RecentSlot {
    RecentListId list = RecentListId::Files;
    std::size_t index = 0;
};

// One stored value: where it lives, what it reads as when it is missing, and
// what it fills. The type of the fallback is the type it is stored with.
struct SettingRow {
    std::string group;
    std::string key;
    SettingValue fallback;
    std::variant<SettingField, RecentSlot> target;
};
