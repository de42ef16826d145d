#include "project/CPathTokenizer.h"

#include "project/PathSeparators.h"

bool CPathTokenizer::Next(std::string& component) {
    const std::size_t start = position_;
    const std::size_t length = text_.size();
    while (position_ < length) {
        const char taken = text_[position_++];
        const bool atEnd = position_ >= length;
        if (taken == kNativeSeparator || (!atEnd && text_[position_] == kForeignSeparator)) {
            component.assign(text_.substr(start, position_ - start));
            if (!component.empty() && IsSeparator(component.front())) {
                component.erase(0, 1);
            }
            return true;
        }
    }
    component.assign(text_.substr(start));
    return false;
}
