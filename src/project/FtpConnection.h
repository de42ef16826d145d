#pragma once

#include "project/FtpAddress.h"

#include <cstdint>
#include <functional>
#include <string>

// The outcome of one operation on the server.
enum class FtpResult {
    Ok,
    Failed,    // refused or failed; the connection is still usable
    Lost,      // the control connection is gone: connect again before anything else
    Cancelled, // stopped by the cancel flag
};

struct FtpLogin {
    FtpAddress address;
    std::string user;
    std::string password;
};

// One session with an FTP (or FTPS, SFTP) server, kept open from connect to
// close, with exactly the operations an upload needs. Every operation reports
// by its result; lastError() then says why in the library's words.
class FtpConnection {
public:
    // Bytes of the current file sent so far.
    using Progress = std::function<void(std::int64_t)>;

    virtual ~FtpConnection() = default;

    virtual FtpResult connect(const FtpLogin& login) = 0;
    // Relative to the working directory or absolute; "../" steps climb.
    virtual FtpResult setCurrentDirectory(const std::string& directory) = 0;
    virtual FtpResult createDirectory(const std::string& name) = 0;
    // Sends the local file, streamed from disk, as remoteName in the working
    // directory, in binary.
    virtual FtpResult putFile(const std::string& localPath, const std::string& remoteName,
                              const Progress& progress) = 0;
    virtual void close() = 0;

    virtual std::string lastError() const = 0;
    // A change of course the user should hear of (such as leaving active
    // mode), once; empty when there is none.
    virtual std::string takeNotice() = 0;
};
