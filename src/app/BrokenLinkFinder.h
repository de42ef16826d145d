#pragma once

#include "app/BrokenLink.h"
#include "html/StringHash.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CTagData;

// Finds the references of pages whose local targets are missing on disk or
// lack the bookmark they name. Web addresses are never fetched. What it
// learns of a target (whether it exists, its bookmarks) is kept for the
// pages that follow, so each target is looked at once per finder.
class BrokenLinkFinder {
public:
    // siteRoot: the folder a value starting with "/" is taken from.
    // htmlExtensions: the pages whose bookmarks can be looked up.
    BrokenLinkFinder(const CTagData& tagData, std::string siteRoot, std::string htmlExtensions)
        : tagData_(tagData), siteRoot_(std::move(siteRoot)),
          htmlExtensions_(std::move(htmlExtensions)) {}

    // The broken references of text, the contents of the page at fullPath,
    // in text order.
    std::vector<BrokenLink> find(std::string_view text, const std::string& fullPath);

private:
    using Bookmarks = std::unordered_set<std::string, StringHash, std::equal_to<>>;

    void check(std::string value, int start, const std::string& fullPath, std::string_view text,
               std::vector<BrokenLink>& found);
    const std::string& pageOf(const std::string& path);
    // null when the page cannot be read or is no HTML page. text: the
    // page's contents when the caller has them already.
    const Bookmarks* bookmarksOf(const std::string& page, std::optional<std::string_view> text);
    Bookmarks collectBookmarks(std::string_view text) const;

    const CTagData& tagData_;
    std::string siteRoot_;
    std::string htmlExtensions_;
    std::unordered_map<std::string, std::string, StringHash, std::equal_to<>> pages_;
    std::unordered_map<std::string, std::unique_ptr<Bookmarks>, StringHash, std::equal_to<>>
        bookmarks_;
};
