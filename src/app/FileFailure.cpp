#include "app/FileFailure.h"

#include "editor/TextModel.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// 1048574 as "1,048,574".
std::string withThousands(int number) {
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string systemReason(int error) {
    return std::string(std::strerror(error)) + ".";
}

// Why a file cannot be read: it is missing, not a regular file, or the
// system refuses it.
std::string readReason(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        return "The file does not exist.";
    }
    if (fs::is_directory(status)) {
        return "It is a folder, not a file.";
    }
    if (!fs::is_regular_file(status)) {
        return "It is not a regular file (a device, a pipe or a socket).";
    }
    if (::access(path.c_str(), R_OK) != 0) {
        return systemReason(errno);
    }
    return "The file could not be read.";
}

// Why a file cannot be written: the system's answer for the file itself, or
// for its folder when the file is not there yet.
std::string writeReason(const std::string& path) {
    std::error_code error;
    if (fs::exists(path, error) && ::access(path.c_str(), W_OK) != 0) {
        return systemReason(errno);
    }
    const fs::path folder = fs::path(path).parent_path();
    if (!folder.empty() && ::access(folder.c_str(), W_OK) != 0) {
        return "The folder cannot be written to: " + systemReason(errno);
    }
    return "The file could not be written (the disk may be full).";
}

std::string reasonFor(const std::string& path, FileResult result) {
    switch (result) {
    case FileResult::Ok:
        break;
    case FileResult::CannotOpen:
        return readReason(path);
    case FileResult::TooLong:
        return "The file is larger than a document may be (" + withThousands(TextModel::Capacity) +
               " bytes).";
    case FileResult::ReadOnly:
        return "The file is read-only.";
    case FileResult::WriteFailed:
        return writeReason(path);
    }
    return {};
}

} // namespace

std::string DescribeFileFailure(const std::string& path, FileResult result,
                                const std::string& systemWords) {
    const std::string reason = result == FileResult::TooLong || systemWords.empty()
                                   ? reasonFor(path, result)
                                   : systemWords;
    return reason.empty() ? path : path + "\n\n" + reason;
}
