#include "project/ProjectFile.h"

#include "io/AtomicWrite.h"
#include "io/FileReader.h"
#include "project/PathSeparators.h"
#include "project/PathUtils.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

// True and the trimmed rest of line when line starts with key.
bool valueOf(std::string_view line, std::string_view key, std::string& value) {
    if (!line.starts_with(key)) {
        return false;
    }
    value.assign(trimmed(line.substr(key.size())));
    return true;
}

std::string nativeRelPath(std::string_view stored) {
    std::string path(stored);
    std::replace(path.begin(), path.end(), kForeignSeparator, kNativeSeparator);
    return path;
}

// Reads the brace block that follows a "{" line; the line "}" or the end of
// the text closes it.
void readFileList(std::string_view& rest, CProject& project);

bool nextLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) {
        return false;
    }
    const std::size_t end = rest.find('\n');
    line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return true;
}

void readFileList(std::string_view& rest, CProject& project) {
    std::string_view line;
    while (nextLine(rest, line)) {
        const std::string_view entry = trimmed(line);
        if (entry == "}") {
            return;
        }
        CProjectEntry file;
        file.RelPath = nativeRelPath(entry);
        project.Files.push_back(std::move(file));
    }
}

void readKeyLine(std::string_view line, CProject& project) {
    std::string flag;
    if (valueOf(line, "NAME:", project.Name) || valueOf(line, "PATH:", project.Path) ||
        valueOf(line, "FTPSERVER:", project.FtpServer) ||
        valueOf(line, "SERVERPATH:", project.ServerPath) ||
        valueOf(line, "LOGIN:", project.Login) || valueOf(line, "PASSWORD:", project.Password)) {
        return;
    }
    if (valueOf(line, "SAVEPASSWORD:", flag)) {
        project.SavePassword = flag == "YES";
    } else if (valueOf(line, "AUTOUPDATE:", flag)) {
        project.AutoUpdate = flag == "YES";
    }
}

void appendLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append(value).append("\r\n");
}

} // namespace

ReadResult LoadProject(CProject& project, const std::string& path, std::string* reason) {
    const FileReader::Contents file = FileReader::read(path, FileReader::kDataFileLimit);
    if (reason != nullptr) {
        *reason = file.detail;
    }
    if (!file.ok()) {
        return file.result;
    }
    std::string_view rest(file.bytes);
    std::string_view line;
    while (nextLine(rest, line)) {
        if (line.starts_with('{')) {
            readFileList(rest, project);
        } else {
            readKeyLine(line, project);
        }
    }
    project.Path = FullProjectPath(path);
    return ReadResult::Ok;
}

std::string FullProjectPath(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string ProjectDirectory(const std::string& projectFile) {
    return DirectoryOf(FullProjectPath(projectFile));
}

std::string FormatProject(const CProject& project) {
    std::string text;
    appendLine(text, "NAME: ", project.Name);
    appendLine(text, "PATH: ", project.Path);
    appendLine(text, "FTPSERVER: ", project.FtpServer);
    appendLine(text, "SERVERPATH: ", project.ServerPath);
    appendLine(text, "LOGIN: ", project.Login);
    if (project.SavePassword) {
        appendLine(text, "PASSWORD: ", project.Password);
    }
    appendLine(text, "SAVEPASSWORD: ", project.SavePassword ? "YES" : "NO");
    appendLine(text, "AUTOUPDATE: ", project.AutoUpdate ? "YES" : "NO");
    if (!project.Files.empty()) {
        appendLine(text, "{", "");
        for (const CProjectEntry& file : project.Files) {
            std::string stored = file.RelPath;
            ToBackslashes(stored);
            appendLine(text, "", stored);
        }
        appendLine(text, "}", "");
    }
    return text;
}

bool SaveProject(const CProject& project, AtomicWriteResult* outcome) {
    AtomicWriteResult result = AtomicWriteResult::WriteFailed;
    if (!project.Path.empty()) {
        const bool holdsPassword = project.SavePassword && !project.Password.empty();
        const FileMode mode = holdsPassword ? FileMode::Forced : FileMode::KeepExisting;
        result = WriteFileAtomically(project.Path, FormatProject(project), mode);
    }
    if (outcome != nullptr) {
        *outcome = result;
    }
    return result == AtomicWriteResult::Ok;
}
