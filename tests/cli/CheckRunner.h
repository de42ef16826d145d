#pragma once

#include "TempDir.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#ifdef TAGWRIGHT_CHECK_BINARY

// AddressSanitizer reserves terabytes of address space up front, so a
// sanitized checker cannot start under a limit on it.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
inline constexpr const char* kMemoryLimit = "";
#else
inline constexpr const char* kMemoryLimit = "ulimit -v 1048576; ";
#endif

// Runs the built tagwright-check as a user would, in a clean environment whose
// settings live in a temporary directory, and keeps what it printed.
class CheckRunner {
public:
    explicit CheckRunner(const TempDir& dir) : dir_(dir) {}

    static std::string shellQuoted(const std::string& text) {
        std::string out = "'";
        for (char c : text)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    }

    // workingDir: where to start it ("" keeps the test's own); stdoutPath:
    // where its output goes ("" for a file read back into out). A run that
    // hangs is stopped after a while (status 124), and one gets no more than
    // a gigabyte of memory, so a reader that never stops fails quickly.
    int run(const std::vector<std::string>& arguments, const std::string& workingDir = "",
            const std::string& stdoutPath = "") {
        const std::string outFile = (dir_.path() / "stdout").string();
        const std::string errFile = (dir_.path() / "stderr").string();
        std::string command = kMemoryLimit;
        if (!workingDir.empty())
            command += "cd " + shellQuoted(workingDir) + " && ";
        command += "timeout 30 env -i HOME=" + shellQuoted(dir_.path().string()) +
                   " XDG_CONFIG_HOME=" + shellQuoted((dir_.path() / "config").string()) + " " +
                   shellQuoted(binary);
        for (const std::string& argument : arguments)
            command.append(" ").append(shellQuoted(argument));
        command.append(" >").append(shellQuoted(stdoutPath.empty() ? outFile : stdoutPath));
        command.append(" 2>").append(shellQuoted(errFile));
        std::remove(outFile.c_str());
        const int status = std::system(command.c_str());
        out = TempDir::readFile(outFile);
        err = TempDir::readFile(errFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The checker to run; a test may run a copy placed elsewhere.
    std::string binary = TAGWRIGHT_CHECK_BINARY;
    std::string out;
    std::string err;

private:
    const TempDir& dir_;
};

#endif
