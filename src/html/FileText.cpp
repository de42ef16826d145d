#include "html/FileText.h"

#include "io/FileReader.h"

std::optional<std::string> ReadFileText(const std::string& path, std::string* reason) {
    FileReader::Contents file = FileReader::read(path, FileReader::kDataFileLimit);
    if (reason != nullptr) {
        *reason = file.detail;
    }
    if (!file.ok()) {
        return std::nullopt;
    }
    NormalizeLineEnds(file.bytes);
    return std::move(file.bytes);
}

void NormalizeLineEnds(std::string& text) {
    size_t out = 0;
    for (size_t in = 0; in < text.size(); ++in) {
        char c = text[in];
        if (c == '\r') {
            c = '\n';
            if (in + 1 < text.size() && text[in + 1] == '\n')
                ++in;
        }
        text[out++] = c;
    }
    text.resize(out);
}
