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
    // A line ends at LF, CR LF or a lone CR, as in every text file read.
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        tips_.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
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
