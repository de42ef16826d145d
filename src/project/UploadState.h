#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// Which project files changed since their last upload. A file counts as
// changed when it was never uploaded whole or its modification time differs
// from the one recorded when it was. The records live in a small file beside
// the project file, so the project file's format stays as it is.
class UploadState {
public:
    // The record file of the project file at projectPath; "" for a project
    // that has no file yet (its files then always count as changed).
    static std::string PathFor(const std::string& projectPath);
    // An unreadable or missing record file records nothing.
    static UploadState Load(const std::string& path);
    // Nothing for a file that cannot be read.
    static std::optional<std::int64_t> ModificationTime(const std::string& fullPath);

    bool isFileUpdated(const std::string& relPath, const std::string& fullPath) const;
    void markUploaded(const std::string& relPath, std::int64_t modified);
    bool save(const std::string& path) const;

private:
    std::map<std::string, std::int64_t> uploaded_;
};
