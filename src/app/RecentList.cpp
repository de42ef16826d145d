#include "app/RecentList.h"

#include <algorithm>

bool RecentList::contains(const std::string& path) const {
    return std::find(entries_.begin(), entries_.end(), path) != entries_.end();
}

void RecentList::add(const std::string& path) {
    if (path.empty() || contains(path)) {
        return;
    }
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kCapacity) {
        entries_.pop_back();
    }
}

void RecentList::appendLoaded(const std::string& path) {
    if (!path.empty() && entries_.size() < kCapacity && !contains(path)) {
        entries_.push_back(path);
    }
}
