#include "app/ExtractLinks.h"

#include "app/LinkArguments.h"
#include "app/LinkList.h"
#include "html/CArgToken.h"
#include "project/PathUtils.h"

std::string LinkTextOf(std::string value, const std::string& fileFolder, const std::string& base,
                       std::string* anchor) {
    std::string bookmark;
    SplitAnchor(value, bookmark);
    if (IsLocalLink(value)) {
        value = RelativePath(AbsolutePath(fileFolder, value), base);
    }
    ToForwardSlashes(value);
    if (anchor != nullptr) {
        *anchor = std::move(bookmark);
    }
    return value;
}

void ExtractLinks(const CTagData& tagData, std::string_view text, const std::string& fullPath,
                  const std::string& base, LinkList& links) {
    const std::string folder = DirectoryOf(fullPath);
    const std::string file = RelativePath(fullPath, base);
    ForEachLinkArgument(tagData, text, [&](const CArgToken& argument, std::string value) {
        std::string anchor;
        const std::string linkText = LinkTextOf(value, folder, base, &anchor);
        links.add(linkText, CLinkRef(file, std::move(anchor), argument.valueStart,
                                     argument.valueEnd, std::move(value)));
    });
}
