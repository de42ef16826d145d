#include "app/SettingsTable.h"

#include "app/RecentList.h"
#include "app/SettingsIO.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

using Rows = std::vector<SettingRow>;

// Turns a stored number into one the option can take. A settings file edited
// by hand or damaged may hold anything; a value that means nothing to the
// option reads as its default, so no other code ever sees it.
using Sanitize = int (*)(int stored, int fallback);

int anyNumber(int stored, int) {
    return stored;
}

int saveClosePolicy(int stored, int fallback) {
    return stored >= CEditorSettings::SaveCloseNo && stored <= CEditorSettings::SaveCloseAsk
               ? stored
               : fallback;
}

int browserChoice(int stored, int fallback) {
    switch (stored) {
    case CEditorSettings::BrowserNetscape:
    case CEditorSettings::BrowserExplorer:
    case CEditorSettings::BrowserOther:
        return stored;
    default:
        return fallback;
    }
}

// Any value but 0 has always meant "on"; it is kept as 1.
int switchValue(int stored, int) {
    return stored != 0 ? 1 : 0;
}

// Bits above the blue byte would not be a colour of their own.
int colorRefValue(int stored, int fallback) {
    return stored >= 0 && stored <= 0xFFFFFF ? stored : fallback;
}

template <typename Number>
SettingField numberField(Number CEditorSettings::*member, int fallback, Sanitize sanitize) {
    return {[member](const CEditorSettings& settings) {
                return SettingValue(static_cast<int>(settings.*member));
            },
            [member, fallback, sanitize](CEditorSettings& settings, const SettingValue& value) {
                settings.*member = static_cast<Number>(sanitize(std::get<int>(value), fallback));
            }};
}

// Colours are stored as the int with the same bits as their 0x00BBGGRR value.
template <typename Number, std::size_t Count>
SettingField elementField(std::array<Number, Count> CEditorSettings::*member, std::size_t index,
                          int fallback, Sanitize sanitize) {
    return {
        [member, index](const CEditorSettings& settings) {
            return SettingValue(static_cast<int>((settings.*member)[index]));
        },
        [member, index, fallback, sanitize](CEditorSettings& settings, const SettingValue& value) {
            (settings.*member)[index] =
                static_cast<Number>(sanitize(std::get<int>(value), fallback));
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

void addNumber(Rows& rows, const char* key, int fallback, int CEditorSettings::*member,
               Sanitize sanitize = anyNumber) {
    rows.push_back({SettingKeys::Options, key, fallback, numberField(member, fallback, sanitize)});
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
                 const std::array<Number, Count>& fallbacks, Sanitize sanitize) {
    for (std::size_t i = 0; i < Count; ++i) {
        const int fallback = static_cast<int>(fallbacks[i]);
        rows.push_back({SettingKeys::Options, stem + std::to_string(i), fallback,
                        elementField(member, i, fallback, sanitize)});
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
    addNumber(rows, "SaveClose", S::SaveCloseAsk, &S::SaveClose, saveClosePolicy);
    addNumber(rows, "NoFilelist", 5, &S::NoFilelist);
    addPath(rows, SettingKeys::TagData, "Data/Tags.txt", &S::TagData);
    addText(rows, SettingKeys::HTMLExt, "*.html;*.htm;*.shtml;*.xml", &S::HTMLExt);
    addText(rows, "OpenExt", "*.html;*.htm;*.shtml;*.xml;*.txt", &S::OpenExt);
    addText(rows, "ImageExt", "*.jpg;*.gif", &S::ImageExt);
    addNumber(rows, "Browser", S::BrowserNetscape, &S::Browser, browserChoice);
    addPath(rows, "Other Browser", "", &S::OtherBrowser);
    addNumbered(rows, "Editing ", &S::Editing, {1, 1, 1, 1, 1, 1, 1, 1}, switchValue);
    addRecent(rows, "File ", RecentListId::Files);
    addRecent(rows, "Project ", RecentListId::Projects);
    // In the order of S::ColorIndex: Default, Tag, Argument, Parameter,
    // HiLight, Mark, Special.
    addNumbered(rows, "Color ", &S::Color,
                {0x000000, 0xFF0000, 0x00AA00, 0x006600, 0x220000, 0x0088FF, 0x0000FF},
                colorRefValue);
    // Options of this program's own, after the ones every version stores.
    addNumber(rows, "LineNumbers", 0, &S::LineNumbers, switchValue);
    addNumber(rows, "ReopenSession", 1, &S::ReopenSession, switchValue);
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
