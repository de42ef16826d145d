#pragma once

#include "ServerProcess.h"
#include "TempDir.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <pwd.h>
#include <string>
#include <sys/socket.h>
#include <thread>

// OpenSSH's sshd on 127.0.0.1, run by this user with a host key, a client key
// and a known_hosts file made for the test. Serves SFTP only; the files land
// where the absolute paths the test uses point.
class SshTestServer {
public:
    SshTestServer() {
        if (!std::filesystem::exists(kSshd)) {
            whyNot_ = "sshd is not installed (package openssh-server)";
            return;
        }
        if (!makeKey("host_key") || !makeKey("client_key")) {
            whyNot_ = "ssh-keygen could not make a key";
            return;
        }
        dir_.write("authorized_keys", dir_.read("client_key.pub"));
        if (::geteuid() == 0) {
            // sshd started by root insists on its privilege separation folder.
            std::error_code ignored;
            std::filesystem::create_directories("/run/sshd", ignored);
        }
        for (int attempt = 0; attempt < 3 && port_ == 0; ++attempt) {
            tryStart(freePort());
        }
        if (port_ == 0) {
            whyNot_ = "sshd did not start: " + dir_.read("sshd.err");
        }
    }

    bool started() const { return port_ > 0; }
    const std::string& whyNot() const { return whyNot_; }
    std::string address() const { return "sftp://127.0.0.1:" + std::to_string(port_); }
    std::string knownHosts() const { return dir_.path("known_hosts"); }
    std::string clientKey() const { return dir_.path("client_key"); }
    std::string user() const {
        const passwd* entry = ::getpwuid(::geteuid());
        return entry != nullptr ? entry->pw_name : "";
    }

private:
    static constexpr const char* kSshd = "/usr/sbin/sshd";

    bool makeKey(const std::string& name) {
        const std::string command =
            "ssh-keygen -q -t ed25519 -N '' -f '" + dir_.path(name) + "' >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }

    static int freePort() {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        int port = 0;
        if (::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            port = ntohs(address.sin_port);
        }
        ::close(probe);
        return port;
    }

    static bool accepts(int port) {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool connected =
            ::connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(probe);
        return connected;
    }

    void tryStart(int port) {
        dir_.write("sshd_config", "Port " + std::to_string(port) +
                                      "\nListenAddress 127.0.0.1\nHostKey " +
                                      dir_.path("host_key") +
                                      "\nPidFile none\n"
                                      "AuthorizedKeysFile " +
                                      dir_.path("authorized_keys") +
                                      "\nStrictModes no\nPasswordAuthentication no\n"
                                      "KbdInteractiveAuthentication no\nUsePAM no\n"
                                      "PermitRootLogin prohibit-password\n"
                                      "Subsystem sftp internal-sftp\nLogLevel ERROR\n");
        process_.stop();
        if (!process_.start({kSshd, "-D", "-e", "-f", dir_.path("sshd_config")},
                            dir_.path("sshd.err"))) {
            return;
        }
        for (int wait = 0; wait < 200 && process_.running(); ++wait) {
            if (accepts(port)) {
                port_ = port;
                const std::string hostKey = dir_.read("host_key.pub");
                dir_.write("known_hosts", "[127.0.0.1]:" + std::to_string(port) + " " +
                                              hostKey.substr(0, hostKey.rfind(' ')) + "\n");
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        process_.stop();
    }

    TempDir dir_;
    ServerProcess process_;
    int port_ = 0;
    std::string whyNot_;
};
