#include "app/LinkList.h"

void LinkList::add(const std::string& text, CLinkRef ref) {
    const auto [found, added] = index_.try_emplace(text, links_.size());
    if (added) {
        links_.push_back(CLink{text, {}});
    }
    links_[found->second].refs.push_back(std::move(ref));
}
