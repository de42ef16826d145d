#include "html/SharedArguments.h"

#include "html/CTagData.h"

#include <unordered_map>

SharedArguments::SharedArguments(const CTagData& data) {
    std::unordered_map<std::string, int> counts;
    for (const CTagDef& tag : data.tags()) {
        for (const CArgDef& argument : tag.arguments)
            ++counts[keyOf(argument)];
    }
    const auto tagCount = static_cast<long long>(data.tags().size());
    for (const auto& [key, count] : counts) {
        if (count >= MinimumTags && count * 10LL >= tagCount)
            shared_.insert(key);
    }
}

bool SharedArguments::isShared(const CArgDef& argument) const {
    return shared_.contains(keyOf(argument));
}

std::vector<TagArgumentField> SharedArguments::fieldsOf(const CTagDef& tag) const {
    std::vector<TagArgumentField> fields;
    for (const CArgDef& argument : tag.arguments) {
        if (argument.isWildcard())
            continue;
        fields.push_back({&argument, ArgControlKindOf(argument.values), isShared(argument)});
    }
    return fields;
}

// Everything a definition says, joined with separators that cannot occur
// inside a line of the tag data file.
std::string SharedArguments::keyOf(const CArgDef& argument) {
    const CValueSpec& values = argument.values;
    const bool flags[] = {values.integer,    values.string, values.percent,    values.color,
                          values.javascript, values.image,  values.windowname, values.url,
                          values.font,       values.link};
    std::string key = argument.name;
    key.push_back('\n');
    for (const bool flag : flags)
        key.push_back(flag ? '1' : '0');
    for (const CTagValue& value : values.values)
        key.append("\n").append(value.text);
    key.append("\n\n").append(argument.info);
    return key;
}
