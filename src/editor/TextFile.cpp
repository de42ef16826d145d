#include "TextFile.h"

#include "io/AtomicWrite.h"
#include "io/FileReader.h"

#include <algorithm>
#include <cstring>

namespace fs = std::filesystem;

namespace {

std::size_t lengthOfLineAt(const char* data, std::size_t from, std::size_t size) {
    const void* cr = std::memchr(data + from, '\r', size - from);
    return cr == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(cr) - data);
}

} // namespace

FileResult TextFile::load(const fs::path& path, std::size_t maxFileBytes, Contents& contents,
                          std::string* reason) {
    FileReader::Contents file = FileReader::read(path.string(), maxFileBytes);
    if (reason != nullptr) {
        *reason = file.detail;
    }
    if (file.result == ReadResult::TooLarge) {
        return FileResult::TooLong;
    }
    if (!file.ok()) {
        return FileResult::CannotOpen;
    }
    contents.lineEnding = toLf(file.bytes);
    contents.text = std::move(file.bytes);
    return FileResult::Ok;
}

FileResult TextFile::save(const fs::path& path, std::string_view text, LineEnding lineEnding) {
    const std::string onDisk =
        lineEnding == LineEnding::CrLf ? withLineEnding(text, lineEnding) : std::string();
    const std::string_view bytes = lineEnding == LineEnding::CrLf ? onDisk : text;
    switch (WriteFileAtomically(path.string(), bytes)) {
    case AtomicWriteResult::Ok:
        return FileResult::Ok;
    case AtomicWriteResult::ReadOnly:
        return FileResult::ReadOnly;
    case AtomicWriteResult::WriteFailed:
        break;
    }
    return FileResult::WriteFailed;
}

LineEnding TextFile::toLf(std::string& bytes) {
    char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t read = lengthOfLineAt(data, 0, size);
    std::size_t write = read;
    bool sawCrLf = false;
    while (read < size) {
        // data[read] is a CR: it and a LF right after it become one LF.
        const bool pair = read + 1 < size && data[read + 1] == '\n';
        sawCrLf = sawCrLf || pair;
        data[write++] = '\n';
        read += pair ? 2 : 1;
        const std::size_t next = lengthOfLineAt(data, read, size);
        std::memmove(data + write, data + read, next - read);
        write += next - read;
        read = next;
    }
    bytes.resize(write);
    return sawCrLf ? LineEnding::CrLf : LineEnding::Lf;
}

std::string TextFile::withLineEnding(std::string_view text, LineEnding lineEnding) {
    if (lineEnding == LineEnding::Lf) {
        return std::string(text);
    }
    const auto lineFeeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    std::string out;
    out.reserve(text.size() + lineFeeds);
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t lf = text.find('\n', from);
        const std::size_t stop = lf == std::string_view::npos ? text.size() : lf;
        out.append(text.data() + from, stop - from);
        if (lf != std::string_view::npos) {
            out.append("\r\n", 2);
        }
        from = stop + 1;
    }
    return out;
}
