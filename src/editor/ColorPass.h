#pragma once

#include "editor/Attribute.h"
#include "editor/ColorPassResult.h"
#include "html/CTagScanner.h"
#include "html/CTagToken.h"
#include "html/CodeChecker.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CTagData;

struct ColorPassOptions {
    bool upperTagNames = false;
    bool upperArguments = false;
};

// Colours a snapshot of the text: tag names, argument names and argument
// values, honouring the tags that suspend colouring. Pure: it reads only the
// snapshot and what it took from the tag data when it was made, so it is
// built where the tag data lives and run on any thread.
class ColorPass {
public:
    ColorPass(const CTagData& tags, ColorPassOptions options);

    // regionStart is where the snapshot stands in the whole text. Empty when
    // stop was requested before the pass ended.
    std::optional<ColorPassResult> run(std::string_view snapshot, int regionStart,
                                       std::stop_token stop = {}) const;

    // Colours the whole text again from from, a resume point of an earlier
    // pass that lies before every changed byte, until the scan stands on a
    // point where meetsOldScan says the earlier pass stood too: from there on
    // nothing differs. The region ends at the end of the text when no such
    // point comes. Empty when the region would pass maxLength bytes.
    template <typename MeetsOldScan>
    std::optional<ColorPassResult> runFrom(std::string_view text, int from, int maxLength,
                                           MeetsOldScan meetsOldScan) const;

    const ColorPassOptions& options() const { return options_; }

private:
    enum class Step { Stop, Suspended, Resumable };
    // What a pass carries from one tag to the next.
    struct Walk {
        SuspendState state = SuspendState::Checking;
        std::string suspendingName; // upper case
        CTagToken token;            // reused for the tags that have arguments
    };
    Step colourTag(std::string_view text, int start, int end, int origin, ColorPassResult& result,
                   Walk& walk) const;
    SuspendState suspendKind(std::string_view name) const;
    void colourArguments(std::string_view region, const CTagToken& token, int origin,
                         ColorPassResult& result) const;
    void markUpperCase(std::string_view region, ColorPassResult& result, int start, int end) const;
    static void startBuffer(ColorPassResult& result, std::size_t size);

    ColorPassOptions options_;
    // Only a handful of tags suspend colouring; a short list compares faster
    // than a lookup per tag, and most names are turned away by their length.
    std::vector<std::pair<std::string, SuspendState>> suspenders_;
    std::uint64_t suspenderLengths_ = 0; // bit n: a suspender n bytes long
};

template <typename MeetsOldScan>
std::optional<ColorPassResult> ColorPass::runFrom(std::string_view text, int from, int maxLength,
                                                  MeetsOldScan meetsOldScan) const {
    ColorPassResult result;
    result.regionStart = from;
    const int available = static_cast<int>(text.size()) - from;
    const int length = std::max(0, std::min(available, maxLength));
    startBuffer(result, static_cast<std::size_t>(length));
    CTagScanner scanner(text, from);
    Walk walk;
    int start = 0;
    int end = 0;
    while (scanner.NextTagBounds(start, end)) {
        if (end >= from + length)
            return std::nullopt;
        const Step step = colourTag(text, start, end, from, result, walk);
        if (step == Step::Stop)
            break;
        if (step != Step::Resumable)
            continue;
        result.resumePoints.push_back(scanner.position());
        if (meetsOldScan(scanner.position())) {
            result.attributes.resize(static_cast<std::size_t>(scanner.position() - from));
            return result;
        }
    }
    if (available > maxLength)
        return std::nullopt;
    result.attributes.resize(static_cast<std::size_t>(length));
    return result;
}
