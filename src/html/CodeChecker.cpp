#include "html/CodeChecker.h"

#include "html/CTagDef.h"
#include "html/DocumentChecker.h"
#include "html/FileText.h"

#include <optional>

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
                            ICheckSink& sink) {
    CheckFilesResult result;
    for (const std::string& path : paths) {
        std::optional<std::string> text = ReadFileText(path, &result.failedReason);
        if (!text) {
            result.ioError = true;
            result.failedPath = path;
            return result;
        }
        sink.beginDocument(path, *text);
        result.errorCount += CheckDocument(tagData, path, *text, sink);
        sink.addLine(CErrorLine{});
    }
    return result;
}
