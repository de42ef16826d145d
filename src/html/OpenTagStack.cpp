#include "html/OpenTagStack.h"

void OpenTagStack::push(std::string_view name) {
    auto found = counts_.find(name);
    if (found != counts_.end())
        ++found->second;
    else
        counts_.emplace(std::string(name), 1);
}

bool OpenTagStack::removeOldest(std::string_view name) {
    auto found = counts_.find(name);
    if (found == counts_.end() || found->second == 0)
        return false;
    --found->second;
    return true;
}

bool OpenTagStack::contains(std::string_view name) const {
    auto found = counts_.find(name);
    return found != counts_.end() && found->second > 0;
}

bool OpenTagStack::containsAny(const std::vector<std::string>& names) const {
    for (const std::string& name : names) {
        if (contains(name))
            return true;
    }
    return false;
}
