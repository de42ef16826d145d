#include "app/RecoveryFile.h"

std::string RecoveryFile::compose() const {
    std::string bytes(Signature);
    bytes += path;
    bytes += '\n';
    bytes += text;
    return bytes;
}

std::optional<RecoveryFile> RecoveryFile::parse(std::string_view bytes) {
    if (bytes.substr(0, Signature.size()) != Signature) {
        return std::nullopt;
    }
    bytes.remove_prefix(Signature.size());
    const std::size_t lineEnd = bytes.find('\n');
    if (lineEnd == std::string_view::npos) {
        return std::nullopt;
    }
    return RecoveryFile{std::string(bytes.substr(0, lineEnd)),
                        std::string(bytes.substr(lineEnd + 1))};
}
