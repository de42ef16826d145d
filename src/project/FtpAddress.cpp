#include "project/FtpAddress.h"

#include <charconv>
#include <string_view>

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Cuts a known scheme off text; false for an unknown one.
bool takeScheme(std::string_view& text, FtpAddress& address) {
    const auto separator = text.find("://");
    if (separator == std::string_view::npos) {
        return true;
    }
    const std::string_view scheme = text.substr(0, separator);
    text.remove_prefix(separator + 3);
    if (scheme == "ftp") {
        address.scheme = FtpAddress::Scheme::Ftp;
    } else if (scheme == "ftps") {
        address.scheme = FtpAddress::Scheme::Ftps;
    } else if (scheme == "sftp") {
        address.scheme = FtpAddress::Scheme::Sftp;
        address.port = 22;
    } else {
        return false;
    }
    return true;
}

bool takePort(std::string_view& text, int& port) {
    const auto colon = text.rfind(':');
    // The colons of a bare IPv6 address are no port; "[::1]:2121" has one.
    const bool bareIpv6 = text.find(':') != colon;
    const bool bracketed = !text.empty() && text.front() == '[';
    if (colon == std::string_view::npos || (bareIpv6 && !bracketed) ||
        (bracketed && text[colon - 1] != ']')) {
        return true;
    }
    const std::string_view digits = text.substr(colon + 1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        value < 1 || value > 65535) {
        return false;
    }
    port = value;
    text = text.substr(0, colon);
    return true;
}

} // namespace

std::optional<FtpAddress> ParseFtpAddress(const std::string& field) {
    FtpAddress address;
    std::string_view text = trimmed(field);
    if (!takeScheme(text, address)) {
        return std::nullopt;
    }
    // A path after the host ("ftp.example.org/site") belongs in Server path.
    if (const auto slash = text.find('/'); slash != std::string_view::npos) {
        text = text.substr(0, slash);
    }
    if (!takePort(text, address.port) || text.empty() ||
        text.find_first_of(" \t@") != std::string_view::npos) {
        return std::nullopt;
    }
    if (text.size() > 2 && text.front() == '[' && text.back() == ']') {
        text = text.substr(1, text.size() - 2);
    }
    address.host = std::string(text);
    return address;
}

std::string FtpAddress::baseUrl() const {
    // Explicit TLS starts as plain FTP and is then required; libcurl's own
    // "ftps://" would mean implicit TLS on a port of its own.
    const char* scheme = this->scheme == Scheme::Sftp ? "sftp://" : "ftp://";
    const bool ipv6 = host.find(':') != std::string::npos;
    const std::string hostPart = ipv6 ? "[" + host + "]" : host;
    return scheme + hostPart + ":" + std::to_string(port) + "/";
}
