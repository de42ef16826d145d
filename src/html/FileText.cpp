#include "html/FileText.h"

#include <climits>
#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::optional<std::string> readAll(std::FILE* file) {
    std::string text;
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (text.size() + count > static_cast<size_t>(INT_MAX))
            return std::nullopt;
        text.append(buffer, count);
    }
    if (std::ferror(file))
        return std::nullopt;
    return text;
}

} // namespace

std::optional<std::string> ReadFileText(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::optional<std::string> text = readAll(file.get());
    if (text)
        NormalizeLineEnds(*text);
    return text;
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
