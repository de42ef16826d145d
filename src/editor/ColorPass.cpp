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
    CTagScanner scanner(snapshot, TokenDetail::Spans);
    CTagToken token;
    SuspendState state = SuspendState::Checking;
    std::string suspendingName;
    for (unsigned count = 1; scanner.NextTag(token); ++count) {
        if (count % 256 == 0 && stop.stop_requested())
            return std::nullopt;
        const Step step = colourStep(snapshot, token, 0, result, state, suspendingName);
        if (step == Step::Stop)
            break;
        if (step == Step::Resumable)
            result.resumePoints.push_back(regionStart + scanner.position());
    }
    return result;
}

// One tag of the scan: coloured unless a suspending tag is open. Says
// whether the scan goes on and whether it may later be resumed after it.
ColorPass::Step ColorPass::colourStep(std::string_view text, const CTagToken& token, int origin,
                                      ColorPassResult& result, SuspendState& state,
                                      std::string& suspendingName) const {
    if (state == SuspendState::Suspended && token.closing && token.name == suspendingName)
        state = SuspendState::Checking;
    if (state != SuspendState::Checking)
        return Step::Suspended;
    colourToken(text, token, origin, result);
    if (token.closing)
        return Step::Resumable;
    state = suspendKind(token.name);
    if (state == SuspendState::TotalSuspend)
        return Step::Stop;
    if (state == SuspendState::Suspended) {
        suspendingName = token.name;
        return Step::Suspended;
    }
    return Step::Resumable;
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
// The "/" of a closing tag is coloured with the name. origin is the offset
// in text of the result's first attribute.
void ColorPass::colourToken(std::string_view text, const CTagToken& token, int origin,
                            ColorPassResult& result) const {
    int nameEnd = token.start + static_cast<int>(token.name.size()) + (token.closing ? 1 : 0);
    nameEnd = std::min(nameEnd, token.end) - origin;
    const int nameStart = token.start - origin;
    const std::string_view region = text.substr(static_cast<std::size_t>(origin));
    if (options_.upperTagNames)
        markUpperCase(region, result, nameStart, nameEnd);
    paint(result, nameStart, nameEnd, Attr::Tag);
    for (const CArgToken& argument : token.arguments) {
        const int argumentStart = argument.nameStart - origin;
        if (options_.upperArguments)
            markUpperCase(region, result, argumentStart, argument.nameEnd - origin);
        paint(result, argumentStart, argument.nameEnd - origin, Attr::Argument);
        if (argument.hasValue)
            paint(result, argument.valueStart - origin, argument.valueEnd - origin,
                  Attr::Parameter);
    }
}

void ColorPass::paint(ColorPassResult& result, int start, int end, Attr colour) const {
    if (start < end)
        std::fill(result.attributes.begin() + start, result.attributes.begin() + end,
                  attrByte(colour));
}

// Only ranges that would change are listed, so that text already in upper
// case is never rewritten. start and end count from the region's start.
void ColorPass::markUpperCase(std::string_view region, ColorPassResult& result, int start,
                              int end) const {
    auto first = region.begin() + start;
    auto last = region.begin() + end;
    if (std::any_of(first, last, [](char c) { return c >= 'a' && c <= 'z'; }))
        result.upperCase.push_back({result.regionStart + start, result.regionStart + end});
}
