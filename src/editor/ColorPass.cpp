#include "editor/ColorPass.h"

#include "html/CTagData.h"
#include "html/CTagScanner.h"

#include <algorithm>

ColorPass::ColorPass(const CTagData& tags, ColorPassOptions options) : options_(options) {
    for (const CTagDef& tag : tags.tags()) {
        // A name defined twice is governed by its first definition, as in
        // every other lookup of the vocabulary.
        if (tags.findUpperTag(tag.name) != &tag)
            continue;
        SuspendState kind = SuspendKind(tag);
        if (kind != SuspendState::Checking)
            suspenders_.emplace_back(tag.name, kind);
    }
}

std::optional<ColorPassResult> ColorPass::run(std::string_view snapshot, int regionStart,
                                              std::stop_token stop) const {
    ColorPassResult result;
    result.regionStart = regionStart;
    result.attributes.assign(snapshot.size(), attrByte(Attr::Default));
    CTagScanner scanner(snapshot);
    CTagToken token;
    SuspendState state = SuspendState::Checking;
    std::string suspendingName;
    for (unsigned count = 1; scanner.NextTag(token); ++count) {
        if (count % 256 == 0 && stop.stop_requested())
            return std::nullopt;
        if (state == SuspendState::Suspended && token.closing && token.name == suspendingName)
            state = SuspendState::Checking;
        if (state != SuspendState::Checking)
            continue;
        colourToken(snapshot, token, result);
        if (token.closing)
            continue;
        state = suspendKind(token.name);
        if (state == SuspendState::TotalSuspend)
            break;
        if (state == SuspendState::Suspended)
            suspendingName = token.name;
    }
    return result;
}

SuspendState ColorPass::suspendKind(const std::string& upperName) const {
    if (upperName.empty())
        return SuspendState::Checking;
    for (const auto& [name, kind] : suspenders_) {
        if (name.size() == upperName.size() && name[0] == upperName[0] && name == upperName)
            return kind;
    }
    return SuspendState::Checking;
}

// The "/" of a closing tag is coloured with the name.
void ColorPass::colourToken(std::string_view snapshot, const CTagToken& token,
                            ColorPassResult& result) const {
    int nameEnd = token.start + static_cast<int>(token.name.size()) + (token.closing ? 1 : 0);
    nameEnd = std::min(nameEnd, token.end);
    if (options_.upperTagNames)
        markUpperCase(snapshot, result, token.start, nameEnd);
    paint(result, token.start, nameEnd, Attr::Tag);
    for (const CArgToken& argument : token.arguments) {
        if (options_.upperArguments)
            markUpperCase(snapshot, result, argument.nameStart, argument.nameEnd);
        paint(result, argument.nameStart, argument.nameEnd, Attr::Argument);
        if (argument.hasValue)
            paint(result, argument.valueStart, argument.valueEnd, Attr::Parameter);
    }
}

void ColorPass::paint(ColorPassResult& result, int start, int end, Attr colour) const {
    if (start < end)
        std::fill(result.attributes.begin() + start, result.attributes.begin() + end,
                  attrByte(colour));
}

// Only ranges that would change are listed, so that text already in upper
// case is never rewritten.
void ColorPass::markUpperCase(std::string_view snapshot, ColorPassResult& result, int start,
                              int end) const {
    auto first = snapshot.begin() + start;
    auto last = snapshot.begin() + end;
    if (std::any_of(first, last, [](char c) { return c >= 'a' && c <= 'z'; }))
        result.upperCase.push_back({result.regionStart + start, result.regionStart + end});
}
