#pragma once

#include "html/CTagDef.h"
#include "html/CTagGroup.h"
#include "html/ColorNames.h"
#include "html/StringHash.h"
#include "html/TagDataLoadResult.h"
#include "html/TagTreeNode.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The program's whole HTML vocabulary: tags in file order, groups in order of
// first appearance and the colour names. Filled once, read-only afterwards,
// so any number of threads may read it. Lookups never change the caller's
// string: they upper-case a copy.
class CTagData {
public:
    // Reads the colour name file, then the tag data file. An unreadable file
    // is listed in the result and contributes nothing; the rest still loads.
    TagDataLoadResult LoadTagData(const std::string& tagFile, const std::string& colorFile);

    // The same from texts already in memory.
    void loadFromText(std::string_view tagText, std::string_view colorText);

    const CTagDef* FindTag(std::string_view name) const;
    const CTagDef* findUpperTag(std::string_view upperName) const;
    const CTagGroup* FindGroup(std::string_view name) const;

    // Names of the tags whose group is groupName, in file order; an empty
    // groupName selects every tag.
    std::vector<std::string> GetTagsInGroup(std::string_view groupName) const;
    std::vector<std::string> GetArgumentNames(std::string_view tagName) const;
    std::vector<std::string> GetValueNames(std::string_view tagName,
                                           std::string_view argumentName) const;

    // Groups, then (depth >= 2) their tags, arguments (>= 3) and values (4),
    // each level in reverse file order under its parent.
    std::vector<TagTreeNode> FillTagTree(int depth) const;

    const std::vector<CTagDef>& tags() const { return tags_; }
    const std::vector<CTagGroup>& groups() const { return groups_; }
    const ColorNames& colors() const { return colors_; }

private:
    void clear();
    void parseTags(std::string_view tagText);
    void indexTags();
    TagTreeNode tagNode(const CTagDef& tag, int depth) const;
    TagTreeNode argumentNode(const CTagDef& tag, const CArgDef& argument, int depth) const;

    std::vector<CTagDef> tags_;
    std::vector<CTagGroup> groups_;
    ColorNames colors_;
    // First definition of each name, so that the checker's per-token lookups
    // stay constant time; the result is the same as a scan in file order.
    std::unordered_map<std::string, size_t, StringHash, std::equal_to<>> tagIndex_;
};
