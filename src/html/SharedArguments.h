#pragma once

#include "html/StringHash.h"
#include "html/TagArgumentField.h"

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

class CTagData;
struct CArgDef;
struct CTagDef;

// Tells a tag's own arguments from the ones the vocabulary repeats on many
// tags (ID, CLASS, the event handlers ...), so that Insert Tag can show a
// tag's own arguments first. The vocabulary has no mark for them, and no name
// is built in: an argument counts as shared when at least a tenth of all tags,
// and at least three, define it identically (name, value kinds, predefined
// values and description). A same-named argument that means something else on
// this tag, like ALIGN of a table, stays the tag's own.
class SharedArguments {
public:
    explicit SharedArguments(const CTagData& data);

    bool isShared(const CArgDef& argument) const;

    // Every argument of tag in its order, except the patterns ("DATA-*"):
    // they name a family of arguments, not one that could be written.
    std::vector<TagArgumentField> fieldsOf(const CTagDef& tag) const;

    static constexpr int MinimumTags = 3;

private:
    static std::string keyOf(const CArgDef& argument);

    std::unordered_set<std::string, StringHash, std::equal_to<>> shared_;
};
