#pragma once

#include "cli/CheckOptions.h"

#include <optional>
#include <string>
#include <vector>

// Walks the command line once, option by option; the first mistake stops it
// and is described in error.
class CheckOptionsParser {
public:
    CheckOptionsParser(const std::vector<std::string>& arguments, std::string& error)
        : arguments_(arguments), error_(error) {}

    std::optional<CheckOptions> run();

private:
    void take(const std::string& argument);
    void option(std::string name);
    std::optional<std::string>* optionTarget(const std::string& name);
    bool nextValue(const std::string& name, std::optional<std::string>& value);
    void validate();

    const std::vector<std::string>& arguments_;
    std::string& error_;
    CheckOptions options_;
    size_t index_ = 0;
    bool onlyFiles_ = false;
};
