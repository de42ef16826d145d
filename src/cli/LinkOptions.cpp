#include "cli/LinkOptions.h"

std::optional<CheckOptions::Mode> ModeOption(const std::string& argument) {
    if (argument == "--links")
        return CheckOptions::Mode::Links;
    if (argument == "--broken-links")
        return CheckOptions::Mode::BrokenLinks;
    return std::nullopt;
}

std::string ModeError(const CheckOptions& options) {
    // The links of one page are listed relative to its own folder; several
    // pages have no one folder to list against.
    if (options.mode == CheckOptions::Mode::Links && options.files.size() > 1)
        return "--links takes one FILE or --project";
    return {};
}
