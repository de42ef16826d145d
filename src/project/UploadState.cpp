#include "project/UploadState.h"

#include "io/AtomicWrite.h"
#include "io/FileReader.h"

#include <charconv>
#include <chrono>
#include <filesystem>
#include <string_view>

namespace {

constexpr std::size_t kStateFileLimit = std::size_t{16} << 20;

// One line: the modification time in nanoseconds since 1970, a tab, RelPath.
void readLine(std::string_view line, std::map<std::string, std::int64_t>& records) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos || tab + 1 == line.size()) {
        return;
    }
    std::int64_t modified = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + tab, modified);
    if (error == std::errc() && end == line.data() + tab) {
        records[std::string(line.substr(tab + 1))] = modified;
    }
}

} // namespace

std::string UploadState::PathFor(const std::string& projectPath) {
    return projectPath.empty() ? std::string() : projectPath + ".uploads";
}

UploadState UploadState::Load(const std::string& path) {
    UploadState state;
    if (path.empty()) {
        return state;
    }
    const FileReader::Contents contents = FileReader::read(path, kStateFileLimit);
    std::string_view rest = contents.bytes;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        readLine(rest.substr(0, end), state.uploaded_);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return state;
}

std::optional<std::int64_t> UploadState::ModificationTime(const std::string& fullPath) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(fullPath, error);
    if (error) {
        return std::nullopt;
    }
    // Nanoseconds since 1970, whatever epoch the library's file clock uses.
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::nanoseconds>(system.time_since_epoch()).count();
}

bool UploadState::isFileUpdated(const std::string& relPath, const std::string& fullPath) const {
    const auto record = uploaded_.find(relPath);
    return record == uploaded_.end() || ModificationTime(fullPath) != record->second;
}

void UploadState::markUploaded(const std::string& relPath, std::int64_t modified) {
    uploaded_[relPath] = modified;
}

bool UploadState::save(const std::string& path) const {
    if (path.empty()) {
        return false;
    }
    std::string text;
    for (const auto& [relPath, modified] : uploaded_) {
        text += std::to_string(modified) + "\t" + relPath + "\n";
    }
    return WriteFileAtomically(path, text) == AtomicWriteResult::Ok;
}
