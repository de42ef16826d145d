#include "app/SettingsTable.h"

#include "app/RecentList.h"
#include "app/SettingsIO.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

using Rows = std::vector<SettingRow>;

template <typename Number> SettingField numberField(Number CEditorSettings::*member) {
    return {[member](const CEditorSettings& settings) {
                return SettingValue(static_cast<int>(settings.*member));
            },
            [member](CEditorSettings& settings, const SettingValue& value) {
                settings.*member = static_cast<Number>(std::get<int>(value));
            }};
}

// Colours are stored as the int with the same bits as their 0x00BBGGRR value.
template <typename Number, std::size_t Count>
SettingField elementField(std::array<Number, Count> CEditorSettings::*member, std::size_t index) {
    return {[member, index](const CEditorSettings& settings) {
                return SettingValue(static_cast<int>((settings.*member)[index]));
            },
            [member, index](CEditorSettings& settings, const SettingValue& value) {
                (settings.*member)[index] = static_cast<Number>(std::get<int>(value));
            }};
}

SettingField textField(std::string CEditorSettings::*member) {
    return {[member](const CEditorSettings& settings) { return SettingValue(settings.*member); },
            [member](CEditorSettings& settings, const SettingValue& value) {
                settings.*member = std::get<std::string>(value);
            }};
}

// A path text holds at most 255 characters; a longer stored one is cut.
SettingField pathField(std::string CEditorSettings::*member) {
    SettingField field = textField(member);
    field.set = [member](CEditorSettings& settings, const SettingValue& value) {
        settings.*member = LimitPathText(std::get<std::string>(value));
    };
    return field;
}

void addNumber(Rows& rows, const char* key, int fallback, int CEditorSettings::*member) {
    rows.push_back({SettingKeys::Options, key, fallback, numberField(member)});
}

void addText(Rows& rows, const char* key, const char* fallback,
             std::string CEditorSettings::*member) {
    rows.push_back({SettingKeys::Options, key, std::string(fallback), textField(member)});
}

void addPath(Rows& rows, const char* key, const char* fallback,
             std::string CEditorSettings::*member) {
    rows.push_back({SettingKeys::Options, key, std::string(fallback), pathField(member)});
}

// "Editing 0" ... "Editing 7": one row per element, each with its default.
template <typename Number, std::size_t Count>
void addNumbered(Rows& rows, const char* stem, std::array<Number, Count> CEditorSettings::*member,
                 const std::array<Number, Count>& fallbacks) {
    for (std::size_t i = 0; i < Count; ++i) {
        rows.push_back({SettingKeys::Options, stem + std::to_string(i),
                        static_cast<int>(fallbacks[i]), elementField(member, i)});
    }
}

void addRecent(Rows& rows, const char* stem, RecentListId list) {
    for (std::size_t i = 0; i < RecentList::kCapacity; ++i) {
        rows.push_back(
            {SettingKeys::Recent, stem + std::to_string(i), std::string(), RecentSlot{list, i}});
    }
}

Rows buildTable() {
    using S = CEditorSettings;
    Rows rows;
    addNumber(rows, "SaveClose", S::SaveCloseAsk, &S::SaveClose);
    addNumber(rows, "NoFilelist", 5, &S::NoFilelist);
    addPath(rows, SettingKeys::TagData, "Data/Tags.txt", &S::TagData);
    addText(rows, SettingKeys::HTMLExt, "*.html;*.htm;*.shtml;*.xml", &S::HTMLExt);
    addText(rows, "OpenExt", "*.html;*.htm;*.shtml;*.xml;*.txt", &S::OpenExt);
    addText(rows, "ImageExt", "*.jpg;*.gif", &S::ImageExt);
    addNumber(rows, "Browser", S::BrowserNetscape, &S::Browser);
    addPath(rows, "Other Browser", "", &S::OtherBrowser);
    addNumbered(rows, "Editing ", &S::Editing, {1, 1, 1, 1, 1, 1, 1, 1});
    addRecent(rows, "File ", RecentListId::Files);
    addRecent(rows, "Project ", RecentListId::Projects);
    // In the order of S::ColorIndex: Default, Tag, Argument, Parameter,
    // HiLight, Mark, Special.
    addNumbered(rows, "Color ", &S::Color,
                {0x000000, 0xFF0000, 0x00AA00, 0x006600, 0x220000, 0x0088FF, 0x0000FF});
    return rows;
}

} // namespace

const std::vector<SettingRow>& SettingsTable() {
    static const Rows rows = buildTable();
    return rows;
}

void ApplySettingDefaults(CEditorSettings& settings) {
    for (const SettingRow& row : SettingsTable()) {
        if (const auto* field = std::get_if<SettingField>(&row.target)) {
            field->set(settings, row.fallback);
        }
    }
}
