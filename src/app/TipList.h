#pragma once

#include <string>
#include <string_view>
#include <vector>

// The tips of Tip of the Day, one a line in file order, and a cursor on the
// tip that Next Tip shows.
class TipList {
public:
    // Every line of the file is a tip, empty ones too; a final line end does
    // not start another. False when the file cannot be read.
    bool load(const std::string& path);
    void setText(std::string_view text);

    // Steps the cursor r times from the first tip and returns the tip the
    // last step passed over ("" when r is 0 or there are no tips).
    std::string start(unsigned r);
    // The tip at the cursor, which then moves on, wrapping at the end.
    std::string next();

    std::size_t size() const { return tips_.size(); }

private:
    std::vector<std::string> tips_;
    std::size_t cursor_ = 0;
};
