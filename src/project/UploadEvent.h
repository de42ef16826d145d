#pragma once

#include <functional>
#include <string>

// One change of what the Uploading Project dialog shows.
struct UploadEvent {
    enum class Field {
        Status,       // text, and detail saying why when something failed
        NowUploading, // "Uploading %s (%d bytes)"
        FileCount,    // "File %d of %d"
        Progress,     // percent
        Note,         // a lasting remark on the session, such as passive mode
        Finished,     // the upload has ended; nothing follows
    };

    Field field = Field::Status;
    std::string text;
    std::string detail;
    int percent = 0;
};

using UploadSink = std::function<void(const UploadEvent&)>;
