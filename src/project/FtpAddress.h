#pragma once

#include <optional>
#include <string>

// Where the project's FTP Server field points. The field is stored as typed;
// a bare host name is plain FTP, "ftps://" asks for FTP over explicit TLS and
// "sftp://" for SSH, each optionally followed by ":port".
struct FtpAddress {
    enum class Scheme { Ftp, Ftps, Sftp };

    Scheme scheme = Scheme::Ftp;
    std::string host;
    int port = 21;

    // The libcurl URL of the login's start directory, ending with "/".
    std::string baseUrl() const;
};

// Nothing when the text names no host, has a port that is not a number from
// 1 to 65535, or a scheme other than the three above.
std::optional<FtpAddress> ParseFtpAddress(const std::string& text);
