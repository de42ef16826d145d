#pragma once

#include "editor/Attribute.h"
#include "editor/ColorPassResult.h"
#include "html/CodeChecker.h"

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

    const ColorPassOptions& options() const { return options_; }

private:
    SuspendState suspendKind(const std::string& upperName) const;
    void colourToken(std::string_view snapshot, const CTagToken& token,
                     ColorPassResult& result) const;
    void paint(ColorPassResult& result, int start, int end, Attr colour) const;
    void markUpperCase(std::string_view snapshot, ColorPassResult& result, int start,
                       int end) const;

    ColorPassOptions options_;
    // Only a handful of tags suspend colouring; a short list compares faster
    // than a lookup per tag.
    std::vector<std::pair<std::string, SuspendState>> suspenders_;
};
