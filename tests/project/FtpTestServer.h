#pragma once

#include "ServerProcess.h"
#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// The local FTP server of scripts/ftp-test-server.py on 127.0.0.1 with a
// port of its own, serving a fresh folder. Users "web" (may write) and
// "reader" (may only read), passwords as the names.
class FtpTestServer {
public:
    // How the server misbehaves, or-ed together.
    enum Mode : unsigned { Plain = 0, Tls = 1, RefuseActive = 2, StallStor = 4 };

    // dropAfter: bytes of a file after which the server hangs up; 0 never.
    explicit FtpTestServer(unsigned modes = Plain, long dropAfter = 0) {
        std::filesystem::create_directories(dir_.path("root"));
        for (const char* python : {"/usr/bin/python3", "python3"}) {
            if (tryStart(python, modes, dropAfter)) {
                return;
            }
        }
    }

    bool started() const { return port_ > 0; }
    int port() const { return port_; }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    std::filesystem::path root() const { return dir_.path("root"); }
    std::string certificate() const { return dir_.path("server.pem"); }
    std::string errors() const { return TempDir::readFile(dir_.path("server.err")); }
    std::string remote(const std::string& relPath) const {
        return TempDir::readFile(root() / relPath);
    }

    // The commands the server received, one per line, in order.
    std::vector<std::string> commands() const {
        std::vector<std::string> lines;
        std::ifstream log(dir_.path("commands.log"));
        for (std::string line; std::getline(log, line);) {
            lines.push_back(line);
        }
        return lines;
    }

private:
    bool tryStart(const char* python, unsigned modes, long dropAfter) {
        std::vector<std::string> argv = {
            python,       std::string(TAGWRIGHT_SOURCE_DIR) + "/scripts/ftp-test-server.py",
            "--root",     dir_.path("root"),
            "--port",     "0",
            "--log",      dir_.path("commands.log"),
            "--lifetime", "300"};
        if ((modes & Tls) != 0) {
            argv.insert(argv.end(), {"--tls-cert", certificate()});
        }
        if ((modes & RefuseActive) != 0) {
            argv.push_back("--refuse-active");
        }
        if (dropAfter > 0) {
            argv.insert(argv.end(), {"--drop-after", std::to_string(dropAfter)});
        }
        if ((modes & StallStor) != 0) {
            argv.push_back("--stall-stor");
        }
        process_.stop();
        if (!process_.start(argv, dir_.path("server.err"))) {
            return false;
        }
        const std::string line = process_.readLine(30000);
        if (line.rfind("PORT ", 0) != 0) {
            return false;
        }
        port_ = std::stoi(line.substr(5));
        return true;
    }

    TempDir dir_;
    ServerProcess process_;
    int port_ = 0;
};
