#pragma once

#include "html/CheckFilesResult.h"
#include "html/ICheckSink.h"
#include "html/SuspendState.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CTagData;
struct CTagDef;

SuspendState SuspendKind(const CTagDef& tag);

// Checks one document's text against the vocabulary and hands every log line
// to sink, ending with the count line. Returns the number of errors.
int CheckDocument(const CTagData& tagData, const std::string& path, std::string_view text,
                  ICheckSink& sink);

// Reads and checks each file in order, each followed by an empty separator
// line. The first file that cannot be read stops the run; the caller reports
// "I/O Error" for result.failedPath; result.failedReason says why. A folder,
// FIFO or device in the list fails like an unreadable file. Several files
// are checked at once on all cores; the sink still gets every line in order
// on the calling thread. stopRequested, when given, is asked before each
// file and ends the run there.
CheckFilesResult CheckFiles(const CTagData& tagData, const std::vector<std::string>& paths,
                            ICheckSink& sink, const std::function<bool()>& stopRequested = {});
