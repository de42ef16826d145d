#include "html/CTagData.h"

#include "html/AsciiText.h"
#include "html/FileText.h"
#include "html/TagDataParser.h"

#include <optional>

TagDataLoadResult CTagData::LoadTagData(const std::string& tagFile, const std::string& colorFile) {
    clear();
    TagDataLoadResult result;
    std::string reason;
    std::optional<std::string> colorText = ReadFileText(colorFile, &reason);
    if (colorText)
        colors_.loadFromText(*colorText);
    else
        result.addUnreadable(colorFile, reason);
    std::optional<std::string> tagText = ReadFileText(tagFile, &reason);
    if (tagText)
        parseTags(*tagText);
    else
        result.addUnreadable(tagFile, reason);
    return result;
}

void CTagData::loadFromText(std::string_view tagText, std::string_view colorText) {
    clear();
    colors_.loadFromText(colorText);
    parseTags(tagText);
}

void CTagData::clear() {
    tags_.clear();
    groups_.clear();
    colors_.clear();
    tagIndex_.clear();
}

void CTagData::parseTags(std::string_view tagText) {
    TagDataParser parser(tags_, groups_);
    parser.parse(tagText);
    indexTags();
}

void CTagData::indexTags() {
    tagIndex_.reserve(tags_.size());
    for (size_t i = 0; i < tags_.size(); ++i)
        tagIndex_.emplace(tags_[i].name, i); // keeps the first of equal names
}

const CTagDef* CTagData::FindTag(std::string_view name) const {
    return findUpperTag(AsciiText::upperCopy(name));
}

const CTagDef* CTagData::findUpperTag(std::string_view upperName) const {
    auto found = tagIndex_.find(upperName);
    return found == tagIndex_.end() ? nullptr : &tags_[found->second];
}

const CTagGroup* CTagData::FindGroup(std::string_view name) const {
    for (const CTagGroup& group : groups_) {
        if (group.name == name)
            return &group;
    }
    return nullptr;
}

std::vector<std::string> CTagData::GetTagsInGroup(std::string_view groupName) const {
    std::vector<std::string> names;
    for (const CTagDef& tag : tags_) {
        if (groupName.empty() || tag.group == groupName)
            names.push_back(tag.name);
    }
    return names;
}

std::vector<std::string> CTagData::GetArgumentNames(std::string_view tagName) const {
    std::vector<std::string> names;
    if (const CTagDef* tag = FindTag(tagName)) {
        for (const CArgDef& argument : tag->arguments)
            names.push_back(argument.name);
    }
    return names;
}

std::vector<std::string> CTagData::GetValueNames(std::string_view tagName,
                                                 std::string_view argumentName) const {
    std::vector<std::string> names;
    const CTagDef* tag = FindTag(tagName);
    const CArgDef* argument = tag ? tag->FindArgument(argumentName) : nullptr;
    if (argument) {
        for (const CTagValue& value : argument->values.values)
            names.push_back(value.text);
    }
    return names;
}

std::vector<TagTreeNode> CTagData::FillTagTree(int depth) const {
    std::vector<TagTreeNode> roots;
    if (depth < 1)
        return roots;
    for (const CTagGroup& group : groups_) {
        TagTreeNode node;
        node.text = group.name;
        node.group = &group;
        if (depth >= 2) {
            std::vector<std::string> names = GetTagsInGroup(group.name);
            for (auto name = names.rbegin(); name != names.rend(); ++name) {
                if (const CTagDef* tag = FindTag(*name))
                    node.children.push_back(tagNode(*tag, depth));
            }
        }
        roots.push_back(std::move(node));
    }
    return roots;
}

TagTreeNode CTagData::tagNode(const CTagDef& tag, int depth) const {
    TagTreeNode node;
    node.text = tag.name;
    node.tag = &tag;
    if (depth < 3)
        return node;
    for (auto argument = tag.arguments.rbegin(); argument != tag.arguments.rend(); ++argument) {
        if (const CArgDef* found = tag.FindArgument(argument->name))
            node.children.push_back(argumentNode(tag, *found, depth));
    }
    return node;
}

TagTreeNode CTagData::argumentNode(const CTagDef& tag, const CArgDef& argument, int depth) const {
    TagTreeNode node;
    node.text = argument.name;
    node.argument = &argument;
    if (depth < 4)
        return node;
    std::vector<std::string> values = GetValueNames(tag.name, argument.name);
    for (auto value = values.rbegin(); value != values.rend(); ++value) {
        if (const CTagValue* found = argument.FindValue(*value)) {
            TagTreeNode& child = node.children.emplace_back();
            child.text = found->text;
            child.value = found;
        }
    }
    return node;
}
