#pragma once

#include "html/CErrorLine.h"

#include <string>
#include <string_view>

// Receives what a check produces, in log order. A worker thread may drive it:
// the implementation decides how lines reach their window.
class ICheckSink {
public:
    virtual ~ICheckSink() = default;

    virtual void addLine(const CErrorLine& line) = 0;

    // The text of a file about to be checked, as read (LF line ends), for
    // sinks that turn offsets into lines and columns. Valid during the call.
    virtual void beginDocument(const std::string& path, std::string_view text) {
        (void)path;
        (void)text;
    }

protected:
    ICheckSink() = default;
    ICheckSink(const ICheckSink&) = default;
    ICheckSink& operator=(const ICheckSink&) = default;
};
