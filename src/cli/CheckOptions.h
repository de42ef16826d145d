#pragma once

#include <optional>
#include <string>
#include <vector>

// The command line of tagwright-check, parsed.
struct CheckOptions {
    enum class Format { Gnu, Log };
    // Check the code, list the links, or list the broken ones.
    enum class Mode { Check, Links, BrokenLinks };

    std::optional<std::string> tagFile;
    std::optional<std::string> colorFile;
    std::optional<std::string> projectFile;
    Format format = Format::Gnu;
    Mode mode = Mode::Check;
    std::vector<std::string> files;
    bool help = false;

    // nullopt with error set when the arguments do not form a valid call.
    static std::optional<CheckOptions> parse(const std::vector<std::string>& arguments,
                                             std::string& error);
};
