#pragma once

#include <optional>
#include <string>
#include <string_view>

// The unsaved text of one document as it is kept for recovery after a
// crash: the document's path ("" when untitled) on the first line, then the
// text's bytes exactly as they are.
struct RecoveryFile {
    static constexpr const char* Extension = ".recovery";
    static constexpr std::string_view Signature = "Tagwright recovery 1\n";

    std::string path;
    std::string text;

    std::string compose() const;
    // Nothing when bytes do not start with the signature and a path line.
    static std::optional<RecoveryFile> parse(std::string_view bytes);
};
