#pragma once

#include "html/StringHash.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The tags open at a point of a document. The checker only ever asks whether
// a name is open and removes the oldest entry of a name; entries of one name
// are indistinguishable, so a count per name answers both in constant time
// even when void tags that never close pile up by the thousand.
class OpenTagStack {
public:
    void push(std::string_view name);

    // Removes the oldest entry equal to name; false when there is none.
    bool removeOldest(std::string_view name);

    bool containsAny(const std::vector<std::string>& names) const;
    bool contains(std::string_view name) const;

private:
    std::unordered_map<std::string, int, StringHash, std::equal_to<>> counts_;
};
