#pragma once

#include <string>
#include <string_view>
#include <vector>

// The named colours a COLOR-typed value may use, one per line of the colour
// name file, trimmed and upper-cased. Blank lines are kept as empty names so
// that entry i stays line i of the file. There is no fixed capacity.
class ColorNames {
public:
    void loadFromText(std::string_view text);
    void clear() { names_.clear(); }

    bool contains(std::string_view upperName) const;
    const std::vector<std::string>& names() const { return names_; }
    int count() const { return static_cast<int>(names_.size()); }

private:
    std::vector<std::string> names_;
};
