#include "html/FileText.h"

#include "io/FileReader.h"

#include <cstring>

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

// Most files have no CR at all: they are searched for one and left alone.
// Otherwise the stretches between CRs move down with one copy each.
void NormalizeLineEnds(std::string& text) {
    const char* data = text.data();
    const size_t size = text.size();
    const void* found = std::memchr(data, '\r', size);
    if (found == nullptr)
        return;
    size_t out = static_cast<size_t>(static_cast<const char*>(found) - data);
    size_t in = out;
    while (in < size) {
        // text[in] is a CR: it becomes a line feed, eating a line feed after it.
        text[out++] = '\n';
        in += (in + 1 < size && text[in + 1] == '\n') ? 2 : 1;
        const void* next = std::memchr(data + in, '\r', size - in);
        const size_t stop =
            next == nullptr ? size : static_cast<size_t>(static_cast<const char*>(next) - data);
        std::memmove(text.data() + out, data + in, stop - in);
        out += stop - in;
        in = stop;
    }
    text.resize(out);
}
