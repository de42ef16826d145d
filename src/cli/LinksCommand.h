#pragma once

#include "cli/CheckOptions.h"

#include <cstdio>
#include <string>
#include <vector>

class CTagData;
class LinkList;

// tagwright-check --links and --broken-links: the links of a page or a
// project grouped by target, or the references whose local target or
// bookmark is missing.
class LinksCommand {
public:
    LinksCommand(std::FILE* out, std::FILE* err, const CTagData& tagData,
                 std::string htmlExtensions)
        : out_(out), err_(err), tagData_(tagData), htmlExtensions_(std::move(htmlExtensions)) {}

    // The exit status: 0, 1 (broken links were printed) or 2.
    int run(const CheckOptions& options);

private:
    // The pages to read: relative to base, and as their lines name them.
    struct Pages {
        std::string base;
        std::vector<std::string> files;
        std::vector<std::string> shown;
    };

    bool collect(const CheckOptions& options, Pages& pages) const;
    int listLinks(const Pages& pages);
    int listBroken(const Pages& pages);
    void printLinks(const LinkList& links);
    void write(const std::string& text);

    std::FILE* out_;
    std::FILE* err_;
    const CTagData& tagData_;
    std::string htmlExtensions_;
};
