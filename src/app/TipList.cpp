#include "app/TipList.h"

#include "io/FileReader.h"

bool TipList::load(const std::string& path) {
    const FileReader::Contents file = FileReader::read(path, FileReader::kDataFileLimit);
    setText(file.bytes);
    return file.ok();
}

void TipList::setText(std::string_view text) {
    tips_.clear();
    cursor_ = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        tips_.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::string TipList::start(unsigned r) {
    cursor_ = 0;
    if (tips_.empty() || r == 0) {
        return {};
    }
    const std::size_t shown = (r - 1) % tips_.size();
    cursor_ = (shown + 1) % tips_.size();
    return tips_[shown];
}

std::string TipList::next() {
    if (tips_.empty()) {
        return {};
    }
    std::string tip = tips_[cursor_];
    cursor_ = (cursor_ + 1) % tips_.size();
    return tip;
}
