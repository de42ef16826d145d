#pragma once

#include <string>
#include <vector>

struct CTagGroup;
struct CTagDef;
struct CArgDef;
struct CTagValue;

// One node of the Insert Tag / HTML Language tree as the model lays it out;
// the widget builds its own items from these. Exactly one record pointer is
// set, matching the node's level (group, tag, argument, value).
struct TagTreeNode {
    std::string text;
    const CTagGroup* group = nullptr;
    const CTagDef* tag = nullptr;
    const CArgDef* argument = nullptr;
    const CTagValue* value = nullptr;
    std::vector<TagTreeNode> children;
};
