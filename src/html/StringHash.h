#pragma once

#include <functional>
#include <string>
#include <string_view>

// Lets unordered containers keyed by std::string be searched with a
// string_view, so lookups on the hot paths allocate nothing.
struct StringHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
