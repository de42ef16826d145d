#include "cli/CheckOptions.h"

#include "cli/CheckOptionsParser.h"

#include <string_view>

std::optional<CheckOptions> CheckOptions::parse(const std::vector<std::string>& arguments,
                                                std::string& error) {
    error.clear();
    CheckOptionsParser parser(arguments, error);
    return parser.run();
}
