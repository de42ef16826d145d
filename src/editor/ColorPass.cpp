#include "editor/ColorPass.h"

#include "html/AsciiText.h"
#include "html/CTagData.h"
#include "html/CTagScanner.h"
#include "html/TagTokenizer.h"

#include <algorithm>
#include <cstring>

namespace {

// Paints [start, end) of a buffer with Slack bytes to spare past every end.
// Names and most values are short, so two words are written whatever the
// length, with no branch on it. Spans come in text order, so every byte from
// end on is still plain text: the words written at end only put it back.
constexpr std::size_t Slack = 2 * sizeof(std::uint64_t);

void paint(ColorPassResult& result, int start, int end, Attr colour) {
    constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;
    if (start >= end)
        return;
    std::uint8_t* out = result.attributes.data();
    const std::uint64_t painted = kEveryByte * attrByte(colour);
    std::memcpy(out + start, &painted, sizeof painted);
    std::memcpy(out + start + sizeof painted, &painted, sizeof painted);
    if (end - start > static_cast<int>(Slack))
        std::fill(out + start + Slack, out + end, attrByte(colour));
    const std::uint64_t plain = kEveryByte * attrByte(Attr::Default);
    std::memcpy(out + end, &plain, sizeof plain);
    std::memcpy(out + end + sizeof plain, &plain, sizeof plain);
}

} // namespace

ColorPass::ColorPass(const CTagData& tags, ColorPassOptions options) : options_(options) {
    for (const CTagDef& tag : tags.tags()) {
        // A name defined twice is governed by its first definition, as in
        // every other lookup of the vocabulary.
        if (tags.findUpperTag(tag.name) != &tag)
            continue;
        SuspendState kind = SuspendKind(tag);
        if (kind == SuspendState::Checking)
            continue;
        suspenders_.emplace_back(tag.name, kind);
        suspenderLengths_ |= tag.name.size() < 64 ? std::uint64_t{1} << tag.name.size() : 0;
    }
}

std::optional<ColorPassResult> ColorPass::run(std::string_view snapshot, int regionStart,
                                              std::stop_token stop) const {
    ColorPassResult result;
    result.regionStart = regionStart;
    startBuffer(result, snapshot.size());
    CTagScanner scanner(snapshot);
    Walk walk;
    int start = 0;
    int end = 0;
    for (unsigned count = 1; scanner.NextTagBounds(start, end); ++count) {
        if (count % 256 == 0 && stop.stop_requested())
            return std::nullopt;
        const Step step = colourTag(snapshot, start, end, 0, result, walk);
        if (step == Step::Stop)
            break;
        if (step == Step::Resumable)
            result.resumePoints.push_back(regionStart + scanner.position());
    }
    result.attributes.resize(snapshot.size());
    return result;
}

// Every byte starts as plain text. The slack past the end lets a span be
// painted in whole words; the pass cuts it off when it ends.
void ColorPass::startBuffer(ColorPassResult& result, std::size_t size) {
    result.attributes.assign(size + Slack, attrByte(Attr::Default));
}

// One tag of the scan, from start (after its "<") to end (its ">"):
// coloured unless a suspending tag is open. Says whether the scan goes on
// and whether it may later be resumed after it. Most tags have no
// arguments; those are coloured from their name alone, without a token.
// The "/" of a closing tag is coloured with the name. origin is the offset
// in text of the result's first attribute.
ColorPass::Step ColorPass::colourTag(std::string_view text, int start, int end, int origin,
                                     ColorPassResult& result, Walk& walk) const {
    const std::string_view tagText =
        text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    const std::size_t readable = text.size() - static_cast<std::size_t>(start);
    const TagHead head = TagHead::split(tagText, readable);
    const std::string_view name = head.name(tagText);
    if (walk.state == SuspendState::Suspended && head.closing &&
        AsciiText::equalsUpper(name, walk.suspendingName))
        walk.state = SuspendState::Checking;
    if (walk.state != SuspendState::Checking)
        return Step::Suspended;
    const std::string_view region = text.substr(static_cast<std::size_t>(origin));
    const int nameStart = start - origin;
    const int nameEnd = nameStart + static_cast<int>(head.nameSpanEnd());
    if (options_.upperTagNames)
        markUpperCase(region, result, nameStart, nameEnd);
    paint(result, nameStart, nameEnd, Attr::Tag);
    if (head.mayHaveArguments()) {
        TagTokenizer(tagText, start, TokenDetail::Spans, readable).fill(walk.token, head);
        colourArguments(region, walk.token, origin, result);
    }
    if (head.closing)
        return Step::Resumable;
    walk.state = suspendKind(name);
    if (walk.state == SuspendState::TotalSuspend)
        return Step::Stop;
    if (walk.state == SuspendState::Suspended) {
        AsciiText::assignUpper(walk.suspendingName, name);
        return Step::Suspended;
    }
    return Step::Resumable;
}

SuspendState ColorPass::suspendKind(std::string_view name) const {
    const std::size_t size = name.size();
    if (size == 0 || (size < 64 && ((suspenderLengths_ >> size) & 1) == 0))
        return SuspendState::Checking;
    for (const auto& [upperName, kind] : suspenders_) {
        if (AsciiText::equalsUpper(name, upperName))
            return kind;
    }
    return SuspendState::Checking;
}

void ColorPass::colourArguments(std::string_view region, const CTagToken& token, int origin,
                                ColorPassResult& result) const {
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

// Only ranges that would change are listed, so that text already in upper
// case is never rewritten. start and end count from the region's start.
void ColorPass::markUpperCase(std::string_view region, ColorPassResult& result, int start,
                              int end) const {
    auto first = region.begin() + start;
    auto last = region.begin() + end;
    if (std::any_of(first, last, [](char c) { return c >= 'a' && c <= 'z'; }))
        result.upperCase.push_back({result.regionStart + start, result.regionStart + end});
}
