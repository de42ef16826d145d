#include "project/UploadRun.h"

#include "project/CPathTokenizer.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string withoutTrailingSlash(std::string component) {
    while (!component.empty() && (component.back() == '/' || component.back() == '\\')) {
        component.pop_back();
    }
    return component;
}

std::optional<std::int64_t> fileSize(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(path, error);
    return error ? std::nullopt : std::optional<std::int64_t>(static_cast<std::int64_t>(size));
}

// "a/b/c" as "a", "a/b", "a/b/c": a server that will not make several
// levels at once still makes them one by one.
std::vector<std::string> pathPrefixes(const std::string& path) {
    std::vector<std::string> prefixes;
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        prefixes.push_back(path.substr(0, slash));
    }
    prefixes.push_back(path);
    return prefixes;
}

} // namespace

std::optional<RemotePlace> RemotePlaceOf(const std::string& relPath) {
    if (relPath.empty() || relPath.front() == '/' || relPath.front() == '\\') {
        return std::nullopt;
    }
    RemotePlace place;
    CPathTokenizer tokens(relPath);
    std::string component;
    while (tokens.Next(component)) {
        const std::string directory = withoutTrailingSlash(component);
        if (directory == "..") {
            return std::nullopt;
        }
        if (!directory.empty() && directory != ".") {
            place.directories.push_back(directory);
        }
    }
    if (component.empty() || component == "." || component == "..") {
        return std::nullopt;
    }
    place.name = component;
    return place;
}

UploadRun::UploadRun(UploadJob job, FtpConnection& connection, UploadSink sink,
                     const std::atomic<bool>& cancel)
    : job_(std::move(job)), connection_(connection), sink_(std::move(sink)), cancel_(cancel),
      state_(UploadState::Load(job_.statePath)) {}

void UploadRun::report(UploadEvent::Field field, const std::string& text) {
    sink_(UploadEvent{field, text, {}, 0});
}

void UploadRun::status(const std::string& text, const std::string& detail) {
    sink_(UploadEvent{UploadEvent::Field::Status, text, detail, 0});
    if (std::string notice = connection_.takeNotice(); !notice.empty()) {
        report(UploadEvent::Field::Note, notice);
    }
}

void UploadRun::run() {
    status("Connecting");
    report(UploadEvent::Field::NowUploading, "");
    report(UploadEvent::Field::FileCount, "");
    bool open = openSession();
    if (open) {
        for (const UploadItem& item : job_.files) {
            totalBytes_ += fileSize(item.fullPath).value_or(0);
        }
        reportProgress(0);
    }
    for (std::size_t index = 0; open && index < job_.files.size() && !cancelled(); ++index) {
        uploadFile(index);
        if (lastResult_ == FtpResult::Lost && !cancelled()) {
            connection_.close();
            status("Connecting");
            open = openSession();
        }
    }
    if (open || cancelled()) {
        connection_.close();
        status(cancelled() ? "Cancelled" : "Disconnected");
    }
    report(UploadEvent::Field::Finished, "");
}

bool UploadRun::openSession() {
    depth_ = 0;
    const std::optional<FtpAddress> address = ParseFtpAddress(job_.ftpServer);
    if (!address) {
        status("Failed to connect", "The FTP server '" + job_.ftpServer + "' is not a host name.");
        return false;
    }
    const FtpResult connected = connection_.connect({*address, job_.login, job_.password});
    if (connected != FtpResult::Ok) {
        status(connected == FtpResult::Cancelled ? "Cancelled" : "Failed to connect",
               connection_.lastError());
        return false;
    }
    status("Connected");
    if (!job_.serverPath.empty() &&
        connection_.setCurrentDirectory(job_.serverPath) != FtpResult::Ok) {
        for (const std::string& prefix : pathPrefixes(job_.serverPath)) {
            connection_.createDirectory(prefix);
        }
        // Files sent anywhere else would land outside the server path.
        if (connection_.setCurrentDirectory(job_.serverPath) != FtpResult::Ok) {
            const std::string reason = connection_.lastError();
            connection_.close();
            status("Failed to connect",
                   "Cannot enter or create the server path '" + job_.serverPath + "': " + reason);
            return false;
        }
    }
    status("Directory set, uploading files");
    return true;
}

void UploadRun::uploadFile(std::size_t index) {
    const UploadItem& item = job_.files[index];
    const std::int64_t size = fileSize(item.fullPath).value_or(0);
    report(UploadEvent::Field::NowUploading,
           "Uploading " + item.relPath + " (" + std::to_string(size) + " bytes)");
    report(UploadEvent::Field::FileCount,
           "File " + std::to_string(index + 1) + " of " + std::to_string(job_.files.size()));
    // Read before sending: a save while the file is on its way counts as a change.
    const std::optional<std::int64_t> modified = UploadState::ModificationTime(item.fullPath);
    const std::int64_t before = bytesDone_;
    if (sendFile(item, before)) {
        recordUpload(item, modified);
        status("Successfully uploaded " + item.relPath);
    } else {
        status("Failed to upload " + item.relPath, failure_);
    }
    bytesDone_ = before + size;
    if (totalBytes_ > 0) {
        reportProgress(bytesDone_);
    } else {
        setPercent(static_cast<int>((index + 1) * 100 / job_.files.size()));
    }
}

bool UploadRun::sendFile(const UploadItem& item, std::int64_t done) {
    lastResult_ = FtpResult::Ok;
    failure_.clear();
    if (!returnToUploadDirectory()) {
        return false;
    }
    const std::optional<RemotePlace> place = RemotePlaceOf(item.relPath);
    if (!place) {
        failure_ = "Its path leaves the project folder; only files inside it are uploaded.";
        return false;
    }
    if (!fileSize(item.fullPath)) {
        failure_ = "The file " + item.fullPath + " does not exist.";
        return false;
    }
    for (const std::string& directory : place->directories) {
        if (!enterOrCreate(directory)) {
            return false;
        }
    }
    lastResult_ = connection_.putFile(item.fullPath, place->name, [this, done](std::int64_t sent) {
        reportProgress(done + sent);
    });
    failure_ = connection_.lastError();
    return lastResult_ == FtpResult::Ok;
}

bool UploadRun::returnToUploadDirectory() {
    if (depth_ == 0) {
        return true;
    }
    std::string climb;
    for (int step = 0; step < depth_; ++step) {
        climb += "../";
    }
    depth_ = 0;
    const FtpResult result = connection_.setCurrentDirectory(climb);
    if (result == FtpResult::Ok) {
        return true;
    }
    // Where the session stands now is unknown: it starts again.
    lastResult_ = result == FtpResult::Cancelled ? result : FtpResult::Lost;
    failure_ = "Cannot return to the server path: " + connection_.lastError();
    return false;
}

// A sub-directory that cannot be entered fails its file rather than let it
// land in the wrong directory.
bool UploadRun::enterOrCreate(const std::string& directory) {
    FtpResult result = connection_.setCurrentDirectory(directory);
    if (result == FtpResult::Failed) {
        result = connection_.createDirectory(directory);
        if (result == FtpResult::Ok || result == FtpResult::Failed) {
            result = connection_.setCurrentDirectory(directory);
        }
    }
    if (result == FtpResult::Ok) {
        ++depth_;
        return true;
    }
    lastResult_ = result;
    failure_ = "Cannot enter or create the directory '" + directory +
               "' on the server: " + connection_.lastError();
    return false;
}

void UploadRun::recordUpload(const UploadItem& item, std::optional<std::int64_t> modified) {
    if (!job_.autoUpdate || !modified) {
        return;
    }
    // Saved at once, so that a cancel or a crash keeps what did arrive.
    state_.markUploaded(item.relPath, *modified);
    state_.save(job_.statePath);
}

void UploadRun::reportProgress(std::int64_t bytes) {
    if (totalBytes_ > 0) {
        setPercent(static_cast<int>(std::min<std::int64_t>(100, bytes * 100 / totalBytes_)));
    } else if (percent_ < 0) {
        setPercent(0);
    }
}

void UploadRun::setPercent(int percent) {
    if (percent != percent_) {
        percent_ = percent;
        sink_(UploadEvent{UploadEvent::Field::Progress, {}, {}, percent});
    }
}
