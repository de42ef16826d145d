#pragma once

#include <string>
#include <vector>

// The recent files or recent projects: full paths, most recent first, at most
// five. A path already listed keeps its place.
class RecentList {
public:
    static constexpr std::size_t kCapacity = 5;

    // Puts path at the head unless the list already holds exactly this text;
    // the oldest entry drops out past the capacity. Empty paths are ignored.
    void add(const std::string& path);
    // Appends while loading the stored slots, which are already in order.
    // Empty slots and repeats are skipped: a slot past the saved list keeps
    // its old text, which may repeat an entry that moved up.
    void appendLoaded(const std::string& path);

    const std::vector<std::string>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool contains(const std::string& path) const;

private:
    std::vector<std::string> entries_;
};
