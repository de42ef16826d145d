#pragma once

#include "project/FtpConnection.h"

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

// What a connection trusts. Empty fields take the system's stores: its CA
// bundle for FTPS, ~/.ssh/known_hosts and the user's usual key for SFTP.
struct FtpTrust {
    std::string caInfo;
    std::string knownHosts;
    std::string privateKey;
    std::string publicKey;
};

// How long a dead or silent server may keep the user waiting.
struct FtpTimeouts {
    long connectMs = 20000;
    long stallMs = 60000;  // no byte moving, or no reply to a command
    long acceptMs = 10000; // the server connecting back in active mode
};

// FtpConnection on libcurl. One easy handle holds the one control connection
// for the whole session. FTP starts in active mode and falls back to passive
// for the rest of the session when the active data connection is refused.
// libcurl is told never to change directory by itself, so the working
// directory is exactly the one the caller's commands made.
class CurlFtpConnection : public FtpConnection {
public:
    explicit CurlFtpConnection(FtpTrust trust = {}, FtpTimeouts timeouts = {});
    ~CurlFtpConnection() override;
    CurlFtpConnection(const CurlFtpConnection&) = delete;
    CurlFtpConnection& operator=(const CurlFtpConnection&) = delete;

    // Read during every transfer and wait; true stops the operation.
    void setCancelFlag(const std::atomic<bool>* cancel) { cancel_ = cancel; }

    FtpResult connect(const FtpLogin& login) override;
    FtpResult setCurrentDirectory(const std::string& directory) override;
    FtpResult createDirectory(const std::string& name) override;
    FtpResult putFile(const std::string& localPath, const std::string& remoteName,
                      const Progress& progress) override;
    void close() override;
    std::string lastError() const override { return error_; }
    std::string takeNotice() override;

    // Commands sent on the FTP control connection since construction.
    int commandCount() const { return commandCount_; }
    bool passive() const { return passive_; }

private:
    struct Transfer;

    bool sftp() const { return login_.address.scheme == FtpAddress::Scheme::Sftp; }
    void setSessionOptions();
    void setTrustOptions();
    void resetRequest();
    FtpResult quote(const std::string& command);
    FtpResult perform(const std::string& url);
    FtpResult run(const std::string& url, Transfer& transfer);
    FtpResult upload(const std::string& url, Transfer& transfer);
    FtpResult sftpEnter(const std::string& directory);
    std::string sftpUrl(const std::string& directory) const;
    bool controlConnectionClosed() const;
    void fail(int code);

    // libcurl's callbacks, with the exact signatures it calls.
    struct Callbacks;
    friend struct Callbacks;

    FtpTrust trust_;
    FtpTimeouts timeouts_;
    void* curl_ = nullptr;
    FtpLogin login_;
    std::string base_;
    std::string sftpDirectory_; // relative to the login's home, or absolute
    const std::atomic<bool>* cancel_ = nullptr;
    bool connected_ = false;
    bool passive_ = false;
    bool lost_ = false;
    int commandCount_ = 0;
    int lastCode_ = 0;
    int loginCount_ = 0; // a second one means libcurl connected again by itself
    std::string lastReply_;
    std::string error_;
    std::string notice_;
    std::vector<char> errorBuffer_;
};
