#pragma once

#include "app/ISettingsStore.h"
#include "cli/IniFile.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

// The editor's settings file read through the same interface as the editor
// reads it, so that the checker resolves every value as the editor does.
// Writes (the settings code writes missing paths back) stay in memory: the
// checker never changes the user's settings.
class IniSettingsStore : public ISettingsStore {
public:
    explicit IniSettingsStore(IniFile file) : file_(std::move(file)) {}

    std::string readString(const std::string& group, const std::string& name,
                           const std::string& fallback) override;
    // A value that is not a whole number in the range of the stored colours
    // reads as the fallback, as in the editor.
    int readInt(const std::string& group, const std::string& name, int fallback) override;
    void writeString(const std::string& group, const std::string& name,
                     const std::string& value) override;
    void writeInt(const std::string& group, const std::string& name, int value) override;

private:
    std::optional<std::string> value(const std::string& group, const std::string& name) const;

    IniFile file_;
    std::map<std::pair<std::string, std::string>, std::string> written_;
};
