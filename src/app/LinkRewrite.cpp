#include "app/LinkRewrite.h"

#include "app/CLinkRef.h"
#include "app/LinkArguments.h"
#include "project/PathUtils.h"

namespace LinkRewrite {

std::string NewValue(const std::string& newPath, const std::string& base,
                     const std::string& refFile) {
    std::string value = newPath;
    if (IsLocalLink(newPath)) {
        value = RelativePath(AbsolutePath(base, newPath), AbsolutePath(base, DirectoryOf(refFile)));
    }
    ToForwardSlashes(value);
    return '"' + value + '"';
}

bool Holds(std::string_view text, const CLinkRef& ref) {
    if (ref.start < 0 || ref.start > ref.end || static_cast<std::size_t>(ref.end) > text.size()) {
        return false;
    }
    return WrittenValueOf(text.substr(ref.start, ref.end - ref.start)) == ref.written;
}

} // namespace LinkRewrite
