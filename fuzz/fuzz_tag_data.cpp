#include "html/AsciiText.h"
#include "html/CTagData.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Parses arbitrary bytes as a tag data file (the first line doubles as the
// colour file) and walks every lookup and the full tree over the result.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string_view colors = text.substr(0, text.find('\n'));
    CTagData tagData;
    tagData.loadFromText(text, colors);
    for (const CTagDef& tag : tagData.tags()) {
        // Only names written in upper case can be found.
        bool findable = tag.name == AsciiText::upperCopy(tag.name);
        if (findable && !tagData.FindTag(tag.name))
            std::abort();
        for (const CArgDef& argument : tag.arguments) {
            if (argument.name == AsciiText::upperCopy(argument.name) &&
                !tag.FindArgument(argument.name))
                std::abort();
            for (const CTagValue& value : argument.values.values)
                argument.values.IsValidValue(value.text, tagData.colors());
            tagData.GetValueNames(tag.name, argument.name);
        }
        tagData.GetArgumentNames(tag.name);
    }
    for (const CTagGroup& group : tagData.groups()) {
        if (!tagData.FindGroup(group.name))
            std::abort();
    }
    tagData.FillTagTree(4);
    return 0;
}
