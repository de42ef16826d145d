#include "project/CurlFtpConnection.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <curl/curl.h>
#include <filesystem>
#include <mutex>
#include <poll.h>
#include <string_view>
#include <sys/socket.h>
#include <utility>

namespace {

void initialiseLibcurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string escaped(CURL* curl, const std::string& text) {
    char* escapedText = curl_easy_escape(curl, text.data(), static_cast<int>(text.size()));
    std::string result = escapedText != nullptr ? escapedText : "";
    curl_free(escapedText);
    return result;
}

std::string homeFile(const char* name) {
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) + "/.ssh/" + name : std::string();
}

// The user's usual key, as ssh itself would try them.
std::string defaultPrivateKey() {
    for (const char* name : {"id_ed25519", "id_ecdsa", "id_rsa"}) {
        const std::string path = homeFile(name);
        std::error_code error;
        if (!path.empty() && std::filesystem::exists(path, error)) {
            return path;
        }
    }
    return {};
}

// An SFTP path after cd to directory from current: "../" steps climb, an
// absolute directory replaces it. Relative paths stay relative to the home.
std::string joinedPath(const std::string& current, const std::string& directory) {
    const bool absolute = !directory.empty() && directory.front() == '/';
    const std::string text = absolute ? directory : current + directory;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('/', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string part = text.substr(start, end - start);
        if (part == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
        } else if (part == ".." && text.front() == '/') {
            // the root has no parent
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string joined = text.front() == '/' ? "/" : "";
    for (const std::string& part : parts) {
        joined += part + "/";
    }
    return joined;
}

// "250 ok" ends a reply; "250-" lines and their continuations do not.
bool isFinalReply(std::string_view line) {
    return line.size() >= 4 && std::isdigit(static_cast<unsigned char>(line[0])) &&
           std::isdigit(static_cast<unsigned char>(line[1])) &&
           std::isdigit(static_cast<unsigned char>(line[2])) && line[3] == ' ';
}

bool activeModeRefused(CURLcode code) {
    return code == CURLE_FTP_PORT_FAILED || code == CURLE_FTP_ACCEPT_FAILED ||
           code == CURLE_FTP_ACCEPT_TIMEOUT;
}

bool connectionGone(CURLcode code) {
    return code == CURLE_SEND_ERROR || code == CURLE_RECV_ERROR || code == CURLE_GOT_NOTHING ||
           code == CURLE_OPERATION_TIMEDOUT || code == CURLE_FTP_WEIRD_SERVER_REPLY ||
           code == CURLE_PARTIAL_FILE;
}

} // namespace

struct CurlFtpConnection::Transfer {
    std::FILE* file = nullptr;
    const Progress* progress = nullptr;
    const std::atomic<bool>* cancel = nullptr;
    curl_off_t reported = -1;
};

struct CurlFtpConnection::Callbacks {
    static int debug(CURL*, curl_infotype type, char* data, size_t size, void* self) {
        auto& connection = *static_cast<CurlFtpConnection*>(self);
        const std::string_view text(data, size);
        if (type == CURLINFO_HEADER_OUT) {
            connection.commandCount_ +=
                static_cast<int>(std::count(text.begin(), text.end(), '\n'));
            if (text.starts_with("USER ")) {
                ++connection.loginCount_;
            }
        } else if (type == CURLINFO_HEADER_IN && isFinalReply(text)) {
            connection.lastReply_ = std::string(text.substr(0, text.find_first_of("\r\n")));
        }
        return 0;
    }

    static size_t read(char* buffer, size_t size, size_t count, void* transfer) {
        return std::fread(buffer, size, count, static_cast<Transfer*>(transfer)->file);
    }

    static size_t discard(char*, size_t size, size_t count, void*) { return size * count; }

    static int progress(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t sent) {
        auto& transfer = *static_cast<Transfer*>(data);
        if (transfer.cancel != nullptr && transfer.cancel->load()) {
            return 1;
        }
        if (transfer.progress != nullptr && *transfer.progress && sent != transfer.reported) {
            transfer.reported = sent;
            (*transfer.progress)(sent);
        }
        return 0;
    }
};

CurlFtpConnection::CurlFtpConnection(FtpTrust trust, FtpTimeouts timeouts)
    : trust_(std::move(trust)), timeouts_(timeouts), errorBuffer_(CURL_ERROR_SIZE, '\0') {
    initialiseLibcurlOnce();
}

CurlFtpConnection::~CurlFtpConnection() {
    close();
}

std::string CurlFtpConnection::takeNotice() {
    return std::exchange(notice_, std::string());
}

FtpResult CurlFtpConnection::connect(const FtpLogin& login) {
    close();
    login_ = login;
    base_ = login.address.baseUrl();
    sftpDirectory_.clear();
    lost_ = false;
    loginCount_ = 0;
    curl_ = curl_easy_init();
    if (curl_ == nullptr) {
        error_ = "libcurl could not start a session";
        return FtpResult::Failed;
    }
    // Through an encrypted control channel no router can see the PORT
    // command it would have to open a way in for, so FTPS is passive.
    passive_ = login.address.scheme == FtpAddress::Scheme::Ftps;
    setSessionOptions();
    resetRequest();
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    const FtpResult result = perform(sftp() ? sftpUrl("") : base_);
    connected_ = result == FtpResult::Ok;
    if (!connected_) {
        close();
    }
    return result == FtpResult::Lost ? FtpResult::Failed : result;
}

void CurlFtpConnection::setSessionOptions() {
    CURL* curl = curl_;
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer_.data());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERNAME, login_.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, login_.password.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeouts_.connectMs);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, (timeouts_.stallMs + 999) / 1000);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, (timeouts_.stallMs + 999) / 1000);
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, timeouts_.acceptMs);
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(curl, CURLOPT_FTPPORT, passive_ ? nullptr : "-");
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &Callbacks::debug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Callbacks::discard);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &Callbacks::read);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Callbacks::progress);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    setTrustOptions();
}

void CurlFtpConnection::setTrustOptions() {
    CURL* curl = curl_;
    if (login_.address.scheme == FtpAddress::Scheme::Ftps) {
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        if (!trust_.caInfo.empty()) {
            curl_easy_setopt(curl, CURLOPT_CAINFO, trust_.caInfo.c_str());
        }
    }
    if (sftp()) {
        const std::string knownHosts =
            trust_.knownHosts.empty() ? homeFile("known_hosts") : trust_.knownHosts;
        curl_easy_setopt(curl, CURLOPT_SSH_KNOWNHOSTS, knownHosts.c_str());
        curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES,
                         static_cast<long>(CURLSSH_AUTH_PUBLICKEY | CURLSSH_AUTH_PASSWORD |
                                           CURLSSH_AUTH_KEYBOARD | CURLSSH_AUTH_AGENT));
        const std::string key = trust_.privateKey.empty() ? defaultPrivateKey() : trust_.privateKey;
        if (!key.empty()) {
            curl_easy_setopt(curl, CURLOPT_SSH_PRIVATE_KEYFILE, key.c_str());
        }
        if (!trust_.publicKey.empty()) {
            curl_easy_setopt(curl, CURLOPT_SSH_PUBLIC_KEYFILE, trust_.publicKey.c_str());
        }
    }
}

// Each request states what it is; nothing of the previous one stays.
void CurlFtpConnection::resetRequest() {
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(curl_, CURLOPT_QUOTE, nullptr);
    curl_easy_setopt(curl_, CURLOPT_DIRLISTONLY, 0L);
    curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(-1));
    curl_easy_setopt(curl_, CURLOPT_READDATA, nullptr);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, nullptr);
    lastReply_.clear();
}

FtpResult CurlFtpConnection::perform(const std::string& url) {
    Transfer noFile;
    noFile.cancel = cancel_;
    return run(url, noFile);
}

FtpResult CurlFtpConnection::run(const std::string& url, Transfer& transfer) {
    if (curl_ == nullptr || lost_) {
        error_ = "not connected";
        return FtpResult::Lost;
    }
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl_, CURLOPT_URL, url.c_str());
    errorBuffer_[0] = '\0';
    lastReply_.clear();
    const CURLcode code = curl_easy_perform(curl_);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, nullptr);
    lastCode_ = code;
    if (connected_ && loginCount_ > 1) {
        // libcurl quietly logged in again: the working directory is the
        // start directory now, whatever the caller believes.
        lost_ = true;
    }
    if (code == CURLE_OK) {
        error_.clear();
        return FtpResult::Ok;
    }
    fail(code);
    if (code == CURLE_ABORTED_BY_CALLBACK) {
        return FtpResult::Cancelled;
    }
    if (connected_ && (connectionGone(code) || controlConnectionClosed())) {
        lost_ = true;
    }
    return lost_ ? FtpResult::Lost : FtpResult::Failed;
}

void CurlFtpConnection::fail(int code) {
    const auto curlCode = static_cast<CURLcode>(code);
    error_ = errorBuffer_[0] != '\0' ? errorBuffer_.data() : curl_easy_strerror(curlCode);
    const bool serverSaidNo = !lastReply_.empty() && (lastReply_[0] == '4' || lastReply_[0] == '5');
    if (serverSaidNo && error_.find(lastReply_) == std::string::npos) {
        error_ += " (the server said: " + lastReply_ + ")";
    }
}

// Whether the server has hung up the idle control connection, which libcurl
// would otherwise quietly replace by a new one in the start directory.
bool CurlFtpConnection::controlConnectionClosed() const {
    if (curl_ == nullptr) {
        return true;
    }
    curl_socket_t socket = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(curl_, CURLINFO_ACTIVESOCKET, &socket) != CURLE_OK ||
        socket == CURL_SOCKET_BAD) {
        return true;
    }
    pollfd descriptor{socket, POLLIN, 0};
    if (::poll(&descriptor, 1, 0) <= 0) {
        return false;
    }
    char byte = 0;
    return ::recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0 ||
           (descriptor.revents & (POLLHUP | POLLERR)) != 0;
}

// libcurl drops the whole connection when a quoted command fails, unless the
// command is starred; then the server's reply tells how it went.
FtpResult CurlFtpConnection::quote(const std::string& command) {
    if (!sftp() && connected_ && !lost_ && controlConnectionClosed()) {
        lost_ = true;
    }
    resetRequest();
    curl_slist* commands = curl_slist_append(nullptr, ("*" + command).c_str());
    curl_easy_setopt(curl_, CURLOPT_QUOTE, commands);
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    FtpResult result = perform(sftp() ? sftpUrl("") : base_);
    curl_easy_setopt(curl_, CURLOPT_QUOTE, nullptr);
    curl_slist_free_all(commands);
    if (result == FtpResult::Ok && !sftp() && (lastReply_.empty() || lastReply_[0] != '2')) {
        error_ = lastReply_.empty() ? "no reply from the server" : "the server said: " + lastReply_;
        result = FtpResult::Failed;
    }
    return result;
}

FtpResult CurlFtpConnection::setCurrentDirectory(const std::string& directory) {
    if (curl_ == nullptr) {
        error_ = "not connected";
        return FtpResult::Lost;
    }
    if (sftp()) {
        return sftpEnter(directory);
    }
    return quote("CWD " + directory);
}

// SSH has no working directory: it is kept here, and a listing proves that
// the directory exists before it becomes the current one.
FtpResult CurlFtpConnection::sftpEnter(const std::string& directory) {
    const std::string target = joinedPath(sftpDirectory_, directory);
    resetRequest();
    curl_easy_setopt(curl_, CURLOPT_DIRLISTONLY, 1L);
    const FtpResult result = perform(sftpUrl(target));
    if (result == FtpResult::Ok) {
        sftpDirectory_ = target;
    }
    return result;
}

std::string CurlFtpConnection::sftpUrl(const std::string& directory) const {
    const bool absolute = !directory.empty() && directory.front() == '/';
    std::string url = base_ + (absolute ? "" : "~/");
    std::size_t start = absolute ? 1 : 0;
    while (start < directory.size()) {
        const std::size_t end = directory.find('/', start);
        url += escaped(curl_, directory.substr(start, end - start)) + "/";
        start = end == std::string::npos ? directory.size() : end + 1;
    }
    return url;
}

FtpResult CurlFtpConnection::createDirectory(const std::string& name) {
    if (curl_ == nullptr) {
        error_ = "not connected";
        return FtpResult::Lost;
    }
    if (!sftp()) {
        return quote("MKD " + name);
    }
    std::string path = joinedPath(sftpDirectory_, name);
    path.pop_back();
    std::string quoted;
    for (const char c : path) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    const FtpResult made = quote("mkdir \"" + quoted + "\"");
    if (made != FtpResult::Ok) {
        return made;
    }
    // A starred command hides its outcome: the new directory must list.
    resetRequest();
    curl_easy_setopt(curl_, CURLOPT_DIRLISTONLY, 1L);
    return perform(sftpUrl(path + "/"));
}

FtpResult CurlFtpConnection::putFile(const std::string& localPath, const std::string& remoteName,
                                     const Progress& progress) {
    if (curl_ == nullptr || lost_) {
        error_ = "not connected";
        return FtpResult::Lost;
    }
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(localPath, sizeError);
    std::FILE* file = sizeError ? nullptr : std::fopen(localPath.c_str(), "rb");
    if (file == nullptr) {
        error_ = "cannot read the local file " + localPath;
        return FtpResult::Failed;
    }
    Transfer transfer{file, &progress, cancel_};
    const std::string url = (sftp() ? sftpUrl(sftpDirectory_) : base_) + escaped(curl_, remoteName);
    resetRequest();
    curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
    FtpResult result = upload(url, transfer);
    if (result == FtpResult::Failed && !sftp() && !passive_ && !lost_ &&
        activeModeRefused(static_cast<CURLcode>(lastCode_))) {
        passive_ = true;
        curl_easy_setopt(curl_, CURLOPT_FTPPORT, nullptr);
        notice_ = "Active mode refused by the server or the network, using passive mode";
        std::rewind(file);
        transfer.reported = -1;
        result = upload(url, transfer);
    }
    std::fclose(file);
    return result;
}

FtpResult CurlFtpConnection::upload(const std::string& url, Transfer& transfer) {
    if (!sftp() && controlConnectionClosed()) {
        lost_ = true;
        error_ = "the server closed the connection";
        return FtpResult::Lost;
    }
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl_, CURLOPT_READDATA, &transfer);
    const FtpResult result = run(url, transfer);
    curl_easy_setopt(curl_, CURLOPT_READDATA, nullptr);
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 0L);
    return result;
}

void CurlFtpConnection::close() {
    if (curl_ != nullptr) {
        // Cleaning up sends QUIT on an FTP control connection that is still open.
        curl_easy_cleanup(curl_);
        curl_ = nullptr;
    }
    connected_ = false;
}
