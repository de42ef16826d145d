#include "html/CodeChecker.h"

#include "html/CTagDef.h"
#include "html/DocumentChecker.h"
#include "html/ParallelFileCheck.h"

#include <algorithm>
#include <thread>

SuspendState SuspendKind(const CTagDef& tag) {
    if (tag.suspend)
        return SuspendState::Suspended;
    if (tag.totalSuspend)
        return SuspendState::TotalSuspend;
    return SuspendState::Checking;
}

int CheckDocument(const CTagData& tagData, const std::string& path, std::string_view text,
                  ICheckSink& sink) {
    DocumentChecker checker(tagData, path, sink);
    return checker.run(text);
}

CheckFilesResult CheckFiles(const CTagData& tagData, const std::vector<std::string>& paths,
                            ICheckSink& sink, const std::function<bool()>& stopRequested) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const auto threads = static_cast<unsigned>(std::min<std::size_t>(cores, paths.size()));
    return ParallelFileCheck(tagData, paths, threads).run(sink, stopRequested);
}
