#include "cli/CheckOptionsParser.h"

#include "cli/LinkOptions.h"

namespace {

// Splits "--name=value" so both spellings of an option work.
bool splitInlineValue(std::string& option, std::optional<std::string>& value) {
    size_t equals = option.find('=');
    if (option.rfind("--", 0) != 0 || equals == std::string::npos)
        return false;
    value = option.substr(equals + 1);
    option.resize(equals);
    return true;
}

bool setFormat(const std::string& text, CheckOptions& options, std::string& error) {
    if (text == "gnu")
        options.format = CheckOptions::Format::Gnu;
    else if (text == "log")
        options.format = CheckOptions::Format::Log;
    else
        error = "unknown format '" + text + "' (use gnu or log)";
    return error.empty();
}

} // namespace

std::optional<CheckOptions> CheckOptionsParser::run() {
    for (index_ = 0; index_ < arguments_.size() && error_.empty(); ++index_)
        take(arguments_[index_]);
    if (error_.empty() && !options_.help)
        validate();
    if (!error_.empty())
        return std::nullopt;
    return options_;
}

void CheckOptionsParser::take(const std::string& argument) {
    if (onlyFiles_ || argument == "-" || argument.empty() || argument[0] != '-') {
        options_.files.push_back(argument);
    } else if (argument == "--") {
        onlyFiles_ = true;
    } else if (argument == "--help" || argument == "-h") {
        options_.help = true;
    } else if (std::optional<CheckOptions::Mode> mode = ModeOption(argument)) {
        options_.mode = *mode;
    } else {
        option(argument);
    }
}

void CheckOptionsParser::option(std::string name) {
    std::optional<std::string> value;
    bool inlineValue = splitInlineValue(name, value);
    std::optional<std::string>* target = optionTarget(name);
    if (!target && name != "--format") {
        error_ = "unknown option '" + name + "'";
        return;
    }
    if (!inlineValue && !nextValue(name, value))
        return;
    if (target)
        *target = *value;
    else
        setFormat(*value, options_, error_);
}

std::optional<std::string>* CheckOptionsParser::optionTarget(const std::string& name) {
    if (name == "--tags")
        return &options_.tagFile;
    if (name == "--colors")
        return &options_.colorFile;
    if (name == "--project")
        return &options_.projectFile;
    return nullptr;
}

bool CheckOptionsParser::nextValue(const std::string& name, std::optional<std::string>& value) {
    if (index_ + 1 >= arguments_.size()) {
        error_ = "option '" + name + "' needs a value";
        return false;
    }
    value = arguments_[++index_];
    return true;
}

void CheckOptionsParser::validate() {
    if (options_.projectFile && !options_.files.empty())
        error_ = "give either --project or files, not both";
    else if (!options_.projectFile && options_.files.empty())
        error_ = "no files to check";
    else
        error_ = ModeError(options_);
}
