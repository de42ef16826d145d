#include "app/LinkScan.h"

#include "app/ExtractLinks.h"
#include "html/FileText.h"
#include "project/PathUtils.h"

LinkScanResult ScanLinks(const CTagData& tagData, const std::vector<std::string>& files,
                         const std::string& base, LinkList& links,
                         const std::function<bool(std::size_t index)>& progress) {
    LinkScanResult result;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress(i)) {
            result.stopped = true;
            break;
        }
        const std::string fullPath = AbsolutePath(base, files[i]);
        std::string reason;
        const std::optional<std::string> text = ReadFileText(fullPath, &reason);
        if (!text) {
            result.ioError = true;
            result.failedPath = fullPath;
            result.failedReason = reason;
            break;
        }
        ExtractLinks(tagData, *text, fullPath, base, links);
    }
    return result;
}
