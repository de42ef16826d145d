#include "project/FtpAddress.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char* field;
    bool valid;
    FtpAddress::Scheme scheme;
    const char* host;
    int port;
    const char* url;
};

class FtpServerField : public ::testing::TestWithParam<AddressCase> {};

TEST_P(FtpServerField, NamesSchemeHostAndPort) {
    const AddressCase& expected = GetParam();
    const std::optional<FtpAddress> address = ParseFtpAddress(expected.field);
    ASSERT_EQ(address.has_value(), expected.valid) << expected.field;
    if (expected.valid) {
        EXPECT_EQ(address->scheme, expected.scheme);
        EXPECT_EQ(address->host, expected.host);
        EXPECT_EQ(address->port, expected.port);
        EXPECT_EQ(address->baseUrl(), expected.url);
    }
}

using S = FtpAddress::Scheme;
INSTANTIATE_TEST_SUITE_P(
    Fields, FtpServerField,
    ::testing::Values(AddressCase{"ftp.example.org", true, S::Ftp, "ftp.example.org", 21,
                                  "ftp://ftp.example.org:21/"},
                      AddressCase{"  example.org:2121 ", true, S::Ftp, "example.org", 2121,
                                  "ftp://example.org:2121/"},
                      // Explicit TLS starts on the plain FTP port, as plain FTP.
                      AddressCase{"ftps://example.org", true, S::Ftps, "example.org", 21,
                                  "ftp://example.org:21/"},
                      AddressCase{"sftp://example.org", true, S::Sftp, "example.org", 22,
                                  "sftp://example.org:22/"},
                      AddressCase{"sftp://10.0.0.1:2222/www", true, S::Sftp, "10.0.0.1", 2222,
                                  "sftp://10.0.0.1:2222/"},
                      AddressCase{"[::1]:2121", true, S::Ftp, "::1", 2121, "ftp://[::1]:2121/"},
                      AddressCase{"fe80::1", true, S::Ftp, "fe80::1", 21, "ftp://[fe80::1]:21/"},
                      AddressCase{"", false, S::Ftp, "", 0, ""},
                      AddressCase{"ftp://", false, S::Ftp, "", 0, ""},
                      AddressCase{"http://example.org", false, S::Ftp, "", 0, ""},
                      AddressCase{"example.org:0", false, S::Ftp, "", 0, ""},
                      AddressCase{"example.org:65536", false, S::Ftp, "", 0, ""},
                      AddressCase{"example.org:21x", false, S::Ftp, "", 0, ""},
                      AddressCase{"user@example.org", false, S::Ftp, "", 0, ""}));

} // namespace
