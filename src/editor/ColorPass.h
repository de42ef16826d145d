#pragma once

#include "editor/Attribute.h"
#include "editor/ColorPassResult.h"
#include "html/CTagScanner.h"
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
struct CTagToken;

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
    enum class Step { Next, Stop, Suspended, Resumable };
    Step colourStep(std::string_view text, const CTagToken& token, int origin,
                    ColorPassResult& result, SuspendState& state,
                    std::string& suspendingName) const;
    SuspendState suspendKind(const std::string& upperName) const;
    void colourToken(std::string_view snapshot, const CTagToken& token, int origin,
                     ColorPassResult& result) const;
    void paint(ColorPassResult& result, int start, int end, Attr colour) const;
    void markUpperCase(std::string_view snapshot, ColorPassResult& result, int start,
                       int end) const;

    ColorPassOptions options_;
    // Only a handful of tags suspend colouring; a short list compares faster
    // than a lookup per tag.
    std::vector<std::pair<std::string, SuspendState>> suspenders_;
};

template <typename MeetsOldScan>
std::optional<ColorPassResult> ColorPass::runFrom(std::string_view text, int from, int maxLength,
                                                  MeetsOldScan meetsOldScan) const {
    ColorPassResult result;
    result.regionStart = from;
    const int available = static_cast<int>(text.size()) - from;
    result.attributes.assign(static_cast<std::size_t>(std::min(available, maxLength)),
                             attrByte(Attr::Default));
    CTagScanner scanner(text, from, TokenDetail::Spans);
    CTagToken token;
    SuspendState state = SuspendState::Checking;
    std::string suspendingName;
    while (scanner.NextTag(token)) {
        if (token.end >= from + static_cast<int>(result.attributes.size()))
            return std::nullopt;
        const Step step = colourStep(text, token, from, result, state, suspendingName);
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
    return result;
}
