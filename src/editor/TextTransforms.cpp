#include "TextTransforms.h"

#include "html/CTagData.h"
#include "html/CTagScanner.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// Copies a text piece by piece and gives every line after a copied line feed
// exactly the wanted number of tabs, counting the tabs already there.
class Reindenter {
public:
    Reindenter(std::string_view text, int base) : text_(text), base_(base) {
        out_.reserve(text.size());
    }

    void copyTo(std::size_t limit, int depth) {
        limit = std::min(limit, text_.size());
        while (position_ < limit) {
            const char c = text_[position_++];
            out_ += c;
            // A final line feed ends the range: the line after it is not
            // part of the selection and keeps its own tabs.
            if (c == '\n' && position_ < text_.size()) {
                reindentLine(depth);
            }
        }
    }

    std::size_t position() const { return position_; }
    std::string& result() { return out_; }

private:
    void reindentLine(int depth) {
        while (position_ < text_.size() && text_[position_] == '\t') {
            ++position_;
        }
        out_.append(static_cast<std::size_t>(std::max(0, base_ + depth)), '\t');
    }

    std::string_view text_;
    int base_;
    std::size_t position_ = 0;
    std::string out_;
};

bool countsForDepth(const CTagData& tags, const CTagToken& token) {
    const CTagDef* definition = tags.findUpperTag(token.name);
    return definition != nullptr && !definition->open;
}

std::string reindent(std::string_view text, int base, const CTagData& tags) {
    Reindenter copier(text, base);
    CTagScanner scanner(text);
    CTagToken token;
    int depth = 0;
    while (scanner.NextTag(token)) {
        const std::size_t open = static_cast<std::size_t>(token.start) - 1;
        const std::size_t lineFeed = text.rfind('\n', open);
        if (lineFeed != std::string_view::npos && lineFeed > copier.position()) {
            copier.copyTo(lineFeed, depth);
        }
        const bool counts = countsForDepth(tags, token);
        if (counts && token.closing) {
            --depth;
        }
        copier.copyTo(static_cast<std::size_t>(token.end) + 1, depth);
        if (counts && !token.closing) {
            ++depth;
        }
    }
    copier.copyTo(text.size(), depth);
    return std::move(copier.result());
}

bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

char toUpper(char c) {
    return isLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

char toLower(char c) {
    return isUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// Sentence state of Smart Case while it walks the bytes.
class SentenceCaser {
public:
    char apply(char c) {
        if (c == '<') {
            inTag_ = true;
        } else if (c == '>') {
            inTag_ = false;
            capitalise_ = true;
        } else if (c == '.') {
            capitalise_ = true;
        } else if (c == '\n') {
            // A second line feed with no letter between starts a paragraph.
            capitalise_ = capitalise_ || lineFeedSeen_;
            lineFeedSeen_ = true;
        } else if (!inTag_ && (isLower(c) || isUpper(c))) {
            return letter(c);
        }
        return c;
    }

private:
    char letter(char c) {
        const char result = capitalise_ ? toUpper(c) : toLower(c);
        capitalise_ = false;
        lineFeedSeen_ = false;
        return result;
    }

    bool capitalise_ = true;
    bool inTag_ = false;
    bool lineFeedSeen_ = false;
};

// A case change moves no text, so it leaves every mark where it is, also
// when it is undone or redone.
template <class Convert> EditResult rewriteInPlace(TextModel& model, Convert convert) {
    const Selection selection = model.GetSelection();
    const int end = std::min(selection.caret + 1, model.length());
    const std::string original = model.GetRangeText(selection.start, end);
    std::string changed = original;
    convert(changed);
    if (changed == original) {
        return EditResult::Done;
    }
    return model.RewriteInPlace(selection.start, changed);
}

} // namespace

EditResult TextTransforms::SmartTabs(TextModel& model, const CTagData& tags) {
    const Selection selection = model.GetSelection();
    const int lineStart = model.LineStartOf(selection.start);
    const std::string working = model.GetRangeText(lineStart, selection.caret);
    const std::string result = reindent(working, model.LeadingTabs(lineStart), tags);
    if (result == working) {
        return EditResult::Done;
    }
    const EditResult outcome =
        model.ReplaceRange(lineStart, selection.caret, result, {}, UndoMode::Edit, true);
    if (outcome == EditResult::Done) {
        const int moved = static_cast<int>(result.size()) - static_cast<int>(working.size());
        model.SetSelection(selection.start, selection.caret + moved);
    }
    return outcome;
}

EditResult TextTransforms::UpperCase(TextModel& model) {
    return rewriteInPlace(model, [](std::string& text) {
        std::transform(text.begin(), text.end(), text.begin(), toUpper);
    });
}

EditResult TextTransforms::LowerCase(TextModel& model) {
    return rewriteInPlace(model, [](std::string& text) {
        std::transform(text.begin(), text.end(), text.begin(), toLower);
    });
}

EditResult TextTransforms::SmartCase(TextModel& model) {
    return rewriteInPlace(model, [](std::string& text) {
        SentenceCaser caser;
        std::transform(text.begin(), text.end(), text.begin(),
                       [&caser](char c) { return caser.apply(c); });
    });
}
