#include "app/BrokenLinkFinder.h"

#include "app/LinkArguments.h"
#include "app/LocalTarget.h"
#include "html/AsciiText.h"
#include "html/CArgToken.h"
#include "html/CTagScanner.h"
#include "html/FileText.h"
#include "project/PathUtils.h"

std::vector<BrokenLink> BrokenLinkFinder::find(std::string_view text, const std::string& fullPath) {
    std::vector<BrokenLink> found;
    ForEachLinkArgument(tagData_, text, [&](const CArgToken& argument, std::string value) {
        check(std::move(value), argument.valueStart, fullPath, text, found);
    });
    return found;
}

void BrokenLinkFinder::check(std::string value, int start, const std::string& fullPath,
                             std::string_view text, std::vector<BrokenLink>& found) {
    // Browsers drop the blanks around an address inside its quotes.
    std::string file(AsciiText::trimTagSpace(value));
    if (LocalTarget::IsWebAddress(file)) {
        return;
    }
    std::string bookmark;
    SplitAnchor(file, bookmark);
    // A bare "#name" (or an empty value) leads to the page itself.
    const std::string target =
        file.empty() ? fullPath : LocalTarget::PathOf(file, DirectoryOf(fullPath), siteRoot_);
    const std::string& page = file.empty() ? fullPath : pageOf(target);
    if (page.empty()) {
        found.push_back({BrokenLink::Kind::TargetNotFound, start, std::move(value)});
        return;
    }
    if (bookmark.size() <= 1) {
        return;
    }
    const Bookmarks* bookmarks =
        bookmarksOf(page, page == fullPath ? std::optional(text) : std::nullopt);
    if (bookmarks != nullptr && !bookmarks->contains(std::string_view(bookmark).substr(1))) {
        found.push_back({BrokenLink::Kind::BookmarkNotFound, start, std::move(value)});
    }
}

const std::string& BrokenLinkFinder::pageOf(const std::string& path) {
    auto found = pages_.find(path);
    if (found == pages_.end()) {
        found = pages_.emplace(path, LocalTarget::PageOf(path)).first;
    }
    return found->second;
}

const BrokenLinkFinder::Bookmarks*
BrokenLinkFinder::bookmarksOf(const std::string& page, std::optional<std::string_view> text) {
    if (auto known = bookmarks_.find(page); known != bookmarks_.end()) {
        return known->second.get();
    }
    std::unique_ptr<Bookmarks>& entry = bookmarks_[page];
    if (text) {
        entry = std::make_unique<Bookmarks>(collectBookmarks(*text));
    } else if (HasExtension(htmlExtensions_, page)) {
        if (const std::optional<std::string> read = ReadFileText(page)) {
            entry = std::make_unique<Bookmarks>(collectBookmarks(*read));
        }
    }
    return entry.get();
}

// Any element can be a bookmark through its id; anchors through their name.
BrokenLinkFinder::Bookmarks BrokenLinkFinder::collectBookmarks(std::string_view text) const {
    Bookmarks bookmarks;
    CTagScanner scanner(text);
    CTagToken tag;
    while (scanner.NextTag(tag)) {
        for (const CArgToken& argument : tag.arguments) {
            if (argument.hasValue && (argument.name == "ID" || argument.name == "NAME")) {
                bookmarks.insert(WrittenLinkValue(text, argument));
            }
        }
    }
    return bookmarks;
}
