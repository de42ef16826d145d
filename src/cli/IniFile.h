#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reads single values from an INI file written by the editor's settings
// store: "[Group]" headers, "Key=Value" lines, values optionally wrapped in
// double quotes with backslash escapes.
class IniFile {
public:
    // false when the file cannot be read; the file then holds no values.
    bool load(const std::string& path);
    void loadFromText(std::string_view text);

    std::optional<std::string> value(std::string_view group, std::string_view key) const;

private:
    std::string text_;
};
