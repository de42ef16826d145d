#pragma once

#include "app/CLink.h"
#include "html/StringHash.h"

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// The links of a scan in order of first appearance, grouped by their exact
// text. Once a scan is over the list is only read, so the addresses of its
// references stay put for the marks that point at them.
class LinkList {
public:
    // Appends ref to the link whose text is text, creating it at the end
    // when there is none.
    void add(const std::string& text, CLinkRef ref);

    const std::vector<CLink>& links() const { return links_; }
    std::vector<CLink>& links() { return links_; }
    std::size_t size() const { return links_.size(); }
    bool empty() const { return links_.empty(); }

private:
    std::vector<CLink> links_;
    std::unordered_map<std::string, std::size_t, StringHash, std::equal_to<>> index_;
};
