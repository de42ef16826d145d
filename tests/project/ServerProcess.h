#pragma once

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// A server program started for one test and killed when the test ends, so a
// failing test never leaves it running. Its standard output is readable
// line by line (a server says which port it took); its errors go to a file.
class ServerProcess {
public:
    ServerProcess() = default;
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;
    ~ServerProcess() { stop(); }

    bool start(const std::vector<std::string>& argv, const std::string& errorFile) {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) {
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        const int spawned = ::posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeEnds[1]);
        output_ = pipeEnds[0];
        if (spawned != 0) {
            pid_ = -1;
            return false;
        }
        return true;
    }

    // The next line of output, or "" when none came within timeoutMs.
    std::string readLine(int timeoutMs) {
        std::string line;
        char c = 0;
        while (true) {
            pollfd descriptor{output_, POLLIN, 0};
            if (::poll(&descriptor, 1, timeoutMs) <= 0 || ::read(output_, &c, 1) != 1) {
                return {};
            }
            if (c == '\n') {
                return line;
            }
            line += c;
        }
    }

    bool running() { return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0; }

    void stop() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
        if (output_ >= 0) {
            ::close(output_);
            output_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};
