#include "html/CodeHelperChoice.h"

#include "html/CTagData.h"
#include "html/ClosingTagPrefix.h"
#include "html/CodeHelperList.h"

namespace {

bool isValuePosition(int positionClass) {
    return positionClass == CCaretTag::InValue || positionClass == CCaretTag::AtValueEnd;
}

bool isArgumentPosition(int positionClass) {
    return positionClass == CCaretTag::InArgument || positionClass == CCaretTag::AfterArgumentName;
}

bool isNamePosition(int positionClass) {
    return positionClass == CCaretTag::InName || positionClass == CCaretTag::AtNameEnd;
}

void addProjectLinks(const CodeHelperContext& context, CodeHelperList& list) {
    if (!context.projectLinks) {
        return;
    }
    for (std::string& link : context.projectLinks()) {
        std::string info = link;
        list.AddEntry(std::move(link), std::move(info));
    }
}

CodeHelperMode offerValues(const CArgDef& argument, const CCaretTag& tag,
                           const CodeHelperContext& context, CodeHelperList& list) {
    for (const CTagValue& value : argument.values.values) {
        list.AddEntry(value.text, value.text);
    }
    if (list.empty() && argument.values.link) {
        addProjectLinks(context, list);
    }
    if (list.empty()) {
        return CodeHelperMode::Hidden;
    }
    list.SortEntries();
    // The value's opening quote is typed, but no entry starts with one.
    std::string_view typed = tag.valueText;
    if (!typed.empty() && typed.front() == '"') {
        typed.remove_prefix(1);
    }
    list.SelectByPrefix(typed);
    return CodeHelperMode::Values;
}

// Wildcard definitions (DATA-*) stand for many names and are none of them.
CodeHelperMode offerArguments(const CTagDef& definition, const CCaretTag& tag,
                              CodeHelperList& list) {
    for (const CArgDef& argument : definition.arguments) {
        if (!argument.isWildcard()) {
            list.AddEntry(argument.name, argument.info);
        }
    }
    if (list.empty()) {
        return CodeHelperMode::Hidden;
    }
    list.SortEntries();
    list.SelectByPrefix(tag.argumentName());
    return CodeHelperMode::ArgumentNames;
}

std::string_view tagNamePrefix(const CCaretTag& tag, std::string_view text, int caret) {
    const std::string_view word = tag.firstWord();
    if (word == "/") {
        return ClosingTagPrefix(text, caret).value_or(word);
    }
    if (!word.empty() && word.front() == '/') {
        return word.substr(1);
    }
    return word;
}

CodeHelperMode offerTagNames(const CTagData& tags, const CCaretTag& tag,
                             const CodeHelperContext& context, CodeHelperList& list) {
    for (const CTagDef& definition : tags.tags()) {
        list.AddEntry(definition.name, definition.info);
    }
    if (list.empty()) {
        return CodeHelperMode::Hidden;
    }
    list.SortEntries();
    list.SelectByPrefix(tagNamePrefix(tag, context.text, context.caret));
    return CodeHelperMode::TagNames;
}

CodeHelperMode offerFor(const CTagData& tags, const CCaretTag& tag,
                        const CodeHelperContext& context, CodeHelperList& list) {
    const CTagDef* definition = tags.FindTag(tag.firstWord());
    const CArgDef* argument =
        definition != nullptr ? definition->FindArgument(tag.argumentName()) : nullptr;
    if (isValuePosition(tag.positionClass)) {
        return argument != nullptr ? offerValues(*argument, tag, context, list)
                                   : CodeHelperMode::Hidden;
    }
    if (isArgumentPosition(tag.positionClass)) {
        return definition != nullptr ? offerArguments(*definition, tag, list)
                                     : CodeHelperMode::Hidden;
    }
    if (isNamePosition(tag.positionClass)) {
        return offerTagNames(tags, tag, context, list);
    }
    return CodeHelperMode::Hidden;
}

} // namespace

CodeHelperChoice ChooseCodeHelperEntries(const CTagData& tags, const CodeHelperContext& context,
                                         CodeHelperList& list) {
    list.ClearEntries();
    CodeHelperChoice choice;
    choice.caretTag = CaretTagAt(context.text, context.selectionStart, context.caret);
    if (!choice.caretTag) {
        return choice;
    }
    ClassifyCaretTag(*choice.caretTag);
    choice.mode = offerFor(tags, *choice.caretTag, context, list);
    if (choice.mode == CodeHelperMode::Hidden) {
        list.ClearEntries();
    }
    return choice;
}
