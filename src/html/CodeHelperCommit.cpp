#include "html/CodeHelperCommit.h"

#include "html/AsciiText.h"
#include "html/CTagData.h"

#include <algorithm>

namespace {

// White space before the argument that the caret tag's spans count as one
// character; counting it exactly keeps a replacement after two blanks or a
// tab from eating into the word.
int spaceBeforeArgument(const CCaretTag& tag) {
    int i = tag.argStart;
    const int size = static_cast<int>(tag.text.size());
    while (i < size && AsciiText::isTagSpace(tag.text[i])) {
        ++i;
    }
    return i - tag.argStart;
}

TextSpan argumentSpan(const CCaretTag& tag, int which) {
    const int shift = spaceBeforeArgument(tag) - 1;
    TextSpan span = CaretTagSpan(tag, which).value_or(TextSpan{});
    span.start += shift;
    span.end += shift;
    return span;
}

// Tags whose only argument definitions are wildcards offer no argument to
// go on with.
bool hasNamedArguments(const CTagDef* definition) {
    return definition == nullptr ||
           std::any_of(definition->arguments.begin(), definition->arguments.end(),
                       [](const CArgDef& argument) { return !argument.isWildcard(); });
}

bool closerAt(std::string_view text, int offset) {
    return offset >= 0 && offset < static_cast<int>(text.size()) && text[offset] == '>';
}

CodeHelperEdit tagNameEdit(const CTagData& tags, std::string_view text, const CCaretTag& tag,
                           std::string_view entry) {
    CodeHelperEdit edit{CaretTagSpan(tag, CCaretTag::SpanName).value_or(TextSpan{}),
                        AsciiText::upperCopy(entry)};
    const bool closing = !tag.firstWord().empty() && tag.firstWord().front() == '/';
    const bool hasArguments = hasNamedArguments(tags.FindTag(entry));
    if (closing) {
        edit.text = "/" + edit.text;
    }
    if ((closing || !hasArguments) && !closerAt(text, edit.span.end)) {
        edit.text += '>';
    }
    return edit;
}

} // namespace

std::optional<CodeHelperEdit> CodeHelperCommitEdit(const CTagData& tags, std::string_view text,
                                                   CodeHelperMode mode, const CCaretTag& tag,
                                                   std::string_view entry) {
    switch (mode) {
    case CodeHelperMode::Values:
        return CodeHelperEdit{argumentSpan(tag, CCaretTag::SpanValue), std::string(entry)};
    case CodeHelperMode::ArgumentNames:
        return CodeHelperEdit{argumentSpan(tag, CCaretTag::SpanArgumentName), std::string(entry)};
    case CodeHelperMode::TagNames:
        return tagNameEdit(tags, text, tag, entry);
    case CodeHelperMode::Hidden:
        break;
    }
    return std::nullopt;
}
