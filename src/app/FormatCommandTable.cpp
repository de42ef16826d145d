#include "app/FormatCommandTable.h"

#include "app/CommandIds.h"

#include <algorithm>

namespace {

constexpr FormatCommand kFormatCommands[] = {
    {Cmd::Bold, {FormatTag::Pair, "B", "B"}},
    {Cmd::Italic, {FormatTag::Pair, "I", "I"}},
    {Cmd::Underline, {FormatTag::Pair, "U", "U"}},
    {Cmd::Center, {FormatTag::Pair, "CENTER", "CENTER"}},
    {Cmd::Header1 + 0, {FormatTag::Pair, "H1", ""}},
    {Cmd::Header1 + 1, {FormatTag::Pair, "H2", ""}},
    {Cmd::Header1 + 2, {FormatTag::Pair, "H3", ""}},
    {Cmd::Header1 + 3, {FormatTag::Pair, "H4", ""}},
    {Cmd::Header1 + 4, {FormatTag::Pair, "H5", ""}},
    {Cmd::Header1 + 5, {FormatTag::Pair, "H6", ""}},
    {Cmd::LineBreak, {FormatTag::After, "<BR>", ""}},
    {Cmd::Paragraph, {FormatTag::Before, "<P>", ""}},
};

} // namespace

std::span<const FormatCommand> AllFormatCommands() {
    return kFormatCommands;
}

const FormatTag* FindFormatTag(int id) {
    const auto found =
        std::find_if(std::begin(kFormatCommands), std::end(kFormatCommands),
                     [id](const FormatCommand& command) { return command.id == id; });
    return found == std::end(kFormatCommands) ? nullptr : &found->tag;
}
