#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CTagData;
class LinkList;

// How a scan of files for links ended.
struct LinkScanResult {
    bool ioError = false;
    bool stopped = false;     // progress asked to stop before the end
    std::string failedPath;   // the full path that could not be read
    std::string failedReason; // why, in the system's words
};

// Reads the files (each relative to base) in order and adds their links to
// links. An unreadable file ends the scan; the links found before it stay.
// progress, when given, hears the index of each file before it is read and
// may stop the scan by returning false.
LinkScanResult ScanLinks(const CTagData& tagData, const std::vector<std::string>& files,
                         const std::string& base, LinkList& links,
                         const std::function<bool(std::size_t index)>& progress = {});
