#include "html/CCaretTag.h"

#include "html/AsciiText.h"

#include <algorithm>

using AsciiText::isTagSpace;

namespace {

std::string_view upToSpaceOr(std::string_view text, char stop) {
    size_t i = 0;
    while (i < text.size() && !isTagSpace(text[i]) && text[i] != stop)
        ++i;
    return text.substr(0, i);
}

std::optional<int> openingBracketBefore(std::string_view text, int origin) {
    if (text.empty() || origin < 0)
        return std::nullopt;
    for (int i = std::min(origin, static_cast<int>(text.size()) - 1); i >= 0; --i) {
        if (text[i] == '<')
            return i;
        if (text[i] == '>')
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<CCaretTag> buildCaretTag(std::string_view text, int origin, int selectionStart,
                                       int caret) {
    std::optional<int> bracket = openingBracketBefore(text, origin);
    if (!bracket)
        return std::nullopt;
    CCaretTag tag;
    tag.start = *bracket + 1;
    size_t stop = text.find_first_of("<>\n", static_cast<size_t>(tag.start));
    if (stop == std::string_view::npos)
        stop = text.size();
    tag.text = text.substr(tag.start, stop - tag.start);
    tag.end = static_cast<int>(stop) - 1;
    tag.selOffset = selectionStart - tag.start;
    tag.caretOffset = caret - tag.start;
    return tag;
}

void skipSpace(std::string_view text, int& i) {
    while (i < static_cast<int>(text.size()) && isTagSpace(text[i]))
        ++i;
}

// Scans one argument from i (the white space before it); true when the scan
// ran into the end of the text, which makes this argument the current one.
bool scanArgument(std::string_view text, int& i, bool& quoted) {
    const int size = static_cast<int>(text.size());
    skipSpace(text, i);
    while (i < size && text[i] != '=')
        ++i;
    if (i >= size)
        return true;
    ++i;
    skipSpace(text, i);
    for (; i < size && (quoted || !isTagSpace(text[i])); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
    }
    return i >= size;
}

// Finds the argument the selection start is in; false when it is in the name.
bool findCurrentArgument(CCaretTag& tag) {
    std::string_view text = tag.text;
    int i = static_cast<int>(tag.firstWord().size());
    if (i >= tag.selOffset)
        return false;
    bool quoted = false;
    int argStart = i;
    while (true) {
        argStart = i;
        bool atEnd = scanArgument(text, i, quoted);
        if (atEnd || (argStart < tag.selOffset && tag.selOffset <= i))
            break;
    }
    std::string_view arg = text.substr(argStart, i - argStart);
    while (!arg.empty() && isTagSpace(arg.front()))
        arg.remove_prefix(1);
    tag.argText = arg;
    tag.argStart = argStart;
    tag.argEnd = i;
    return true;
}

void findCurrentValue(CCaretTag& tag) {
    size_t equals = tag.argText.find('=');
    if (equals == std::string::npos)
        return;
    int j = static_cast<int>(equals) + 1;
    if (j + tag.argStart > tag.selOffset)
        return;
    skipSpace(tag.argText, j);
    tag.valueStart = j + tag.argStart;
    tag.valueText = tag.argText.substr(j);
    if (tag.valueStart < tag.caretOffset)
        tag.positionClass = CCaretTag::InValue;
}

// The "+ 1" counts the one white space character that normally separates
// an argument from what stands before it.
void refineClass(CCaretTag& tag) {
    int caret = tag.caretOffset;
    switch (tag.positionClass) {
    case CCaretTag::InName:
        if (caret == static_cast<int>(tag.firstWord().size()))
            tag.positionClass = CCaretTag::AtNameEnd;
        break;
    case CCaretTag::InArgument:
        if (caret == tag.argStart + static_cast<int>(tag.argumentName().size()) + 1)
            tag.positionClass = CCaretTag::AfterArgumentName;
        break;
    case CCaretTag::InValue:
        if (caret == tag.valueStart + static_cast<int>(tag.valueText.size()) + 1)
            tag.positionClass = CCaretTag::AtValueEnd;
        break;
    }
}

} // namespace

std::string_view CCaretTag::firstWord() const {
    return upToSpaceOr(text, ' ');
}

std::string_view CCaretTag::argumentName() const {
    return upToSpaceOr(argText, '=');
}

std::optional<CCaretTag> CaretTagAt(std::string_view text, int selectionStart, int caret) {
    return buildCaretTag(text, selectionStart - 1, selectionStart, caret);
}

std::optional<CCaretTag> CaretTagAt(std::string_view text, int position) {
    return buildCaretTag(text, position, position, position);
}

void ClassifyCaretTag(CCaretTag& tag) {
    tag.positionClass = CCaretTag::InName;
    tag.argText.clear();
    tag.valueText.clear();
    tag.argStart = tag.argEnd = tag.valueStart = 0;
    if (findCurrentArgument(tag)) {
        tag.positionClass = CCaretTag::InArgument;
        findCurrentValue(tag);
    }
    refineClass(tag);
}

std::optional<TextSpan> CaretTagSpan(const CCaretTag& tag, int which) {
    int from = 0;
    int length = 0;
    if (which == CCaretTag::SpanName) {
        from = tag.start;
        length = static_cast<int>(tag.firstWord().size());
    } else if (which == CCaretTag::SpanArgumentName) {
        from = tag.start + tag.argStart + 1;
        length = static_cast<int>(tag.argumentName().size());
    } else if (which == CCaretTag::SpanValue) {
        from = tag.start + tag.valueStart + 1;
        length = static_cast<int>(tag.valueText.size());
    } else {
        return std::nullopt;
    }
    return TextSpan{from, from + length};
}
