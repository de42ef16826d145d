#include "TempDir.h"
#include "project/CurlFtpConnection.h"
#include "project/FtpTestServer.h"
#include "project/UploadRun.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 200;
constexpr int kDirectories = 5;
constexpr std::size_t kFileBytes = 10 * 1024;

// 200 pages of 10 KB, spread over five sub-directories in turn, so that
// nearly every file climbs out of one directory and into another.
CProject siteOfTwoHundredPages(const TempDir& dir, const std::string& server) {
    CProject project;
    project.Path = dir.path("site.prj");
    project.FtpServer = server;
    project.Login = "web";
    project.Password = "web";
    const std::string bytes(kFileBytes, 'x');
    for (int i = 0; i < kFiles; ++i) {
        CProjectEntry entry;
        entry.RelPath =
            "dir" + std::to_string(i % kDirectories) + "/page" + std::to_string(i) + ".html";
        entry.Upload = true;
        dir.write(entry.RelPath, bytes);
        project.Files.push_back(entry);
    }
    return project;
}

void BM_UploadTwoHundredFilesToTheLocalFtpServer(benchmark::State& state) {
    static FtpTestServer server;
    if (!server.started()) {
        state.SkipWithError("the FTP test server did not start");
        return;
    }
    TempDir dir;
    CProject project = siteOfTwoHundredPages(dir, server.address());
    int run = 0;
    int commands = 0;
    for (auto _ : state) {
        project.ServerPath = "run" + std::to_string(run++);
        CurlFtpConnection connection;
        std::atomic<bool> cancel = false;
        int uploaded = 0;
        UploadRun upload(
            MakeUploadJob(project), connection,
            [&uploaded](const UploadEvent& event) {
                uploaded += event.text.rfind("Successfully uploaded", 0) == 0 ? 1 : 0;
            },
            cancel);
        upload.run();
        if (uploaded != kFiles) {
            state.SkipWithError("not every file arrived");
            return;
        }
        commands = connection.commandCount();
    }
    state.counters["control_commands"] = commands;
    state.counters["commands_per_file"] = static_cast<double>(commands) / kFiles;
}

BENCHMARK(BM_UploadTwoHundredFilesToTheLocalFtpServer)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

} // namespace
