#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Lets unordered containers keyed by std::string be searched with a
// string_view, so lookups on the hot paths allocate nothing.
struct StringHash {
    using is_transparent = void;
    // FNV-1a: the keys are tag and argument names of a few bytes, for which
    // it is several times cheaper than the library's hash of long strings.
    size_t operator()(std::string_view text) const {
        std::uint64_t hash = 14695981039346656037ull;
        for (unsigned char c : text)
            hash = (hash ^ c) * 1099511628211ull;
        return static_cast<size_t>(hash);
    }
};
