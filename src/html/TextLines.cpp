#include "html/TextLines.h"

bool TextLines::next(std::string_view& line) {
    if (position_ >= text_.size())
        return false;
    size_t end = position_;
    while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
        ++end;
    if (end == text_.size()) {
        line = text_.substr(position_);
        position_ = text_.size();
        return true;
    }
    line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (text_[end] == '\r' && position_ < text_.size() && text_[position_] == '\n')
        ++position_;
    return true;
}
