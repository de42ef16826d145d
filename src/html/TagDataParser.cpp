#include "html/TagDataParser.h"

#include "html/AsciiText.h"
#include "html/TextLines.h"

using AsciiText::startsWith;
using AsciiText::trimLine;

namespace {

constexpr std::string_view kWithin = "(WITHIN)";
constexpr std::string_view kGroup = "(GROUP)";
constexpr std::string_view kInfo = "(INFO)";
constexpr std::string_view kInteger = "(INTEGER)";

} // namespace

TagDataParser::TagDataParser(std::vector<CTagDef>& tags, std::vector<CTagGroup>& groups)
    : tags_(tags), groups_(groups) {
    for (const CTagGroup& group : groups_)
        groupNames_.insert(group.name);
}

void TagDataParser::parse(std::string_view text) {
    TextLines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        line = trimLine(line);
        if (level_ == Level::Top)
            topLine(line);
        else if (level_ == Level::Tag)
            tagLine(line);
        else
            argumentLine(line);
    }
    finish();
}

void TagDataParser::topLine(std::string_view line) {
    if (line != "{") {
        pendingTagName_ = line;
        return;
    }
    tag_ = CTagDef{};
    tag_.name = pendingTagName_;
    pendingArgumentName_.clear();
    level_ = Level::Tag;
}

void TagDataParser::tagLine(std::string_view line) {
    tagKeywords(line);
    if (line == "{") {
        argument_ = CArgDef{};
        argument_.name = pendingArgumentName_;
        level_ = Level::Argument;
    } else if (line == "}") {
        closeTag();
    } else {
        // Keyword lines fall through to here as well: only the line right
        // before an argument's "{" names it.
        pendingArgumentName_ = line;
    }
}

void TagDataParser::tagKeywords(std::string_view line) {
    if (line == "(OPEN)")
        tag_.open = true;
    if (startsWith(line, kWithin))
        tag_.within.emplace_back(trimLine(line.substr(kWithin.size())));
    if (startsWith(line, kGroup))
        setGroup(trimLine(line.substr(kGroup.size())));
    if (line == "(SUSPEND)")
        tag_.suspend = true;
    if (line == "(TOTALSUSPEND)")
        tag_.totalSuspend = true;
    if (startsWith(line, kInfo))
        tag_.info = line.substr(kInfo.size());
}

void TagDataParser::setGroup(std::string_view name) {
    tag_.group = name;
    // A set beside the list keeps files with thousands of groups linear.
    if (groupNames_.insert(tag_.group).second)
        groups_.push_back(CTagGroup{tag_.group});
}

void TagDataParser::argumentLine(std::string_view line) {
    if (line == "}") {
        closeArgument();
    } else if (startsWith(line, kInteger)) {
        argument_.values.integer = true;
    } else if (argumentFlag(line)) {
        return;
    } else if (startsWith(line, kInfo)) {
        argument_.info = line.substr(kInfo.size());
    } else {
        argument_.values.values.push_back(CTagValue{std::string(line)});
    }
}

bool TagDataParser::argumentFlag(std::string_view line) {
    CValueSpec& valueSpec = argument_.values;
    struct Flag {
        std::string_view keyword;
        bool CValueSpec::*member;
    };
    static constexpr Flag kFlags[] = {
        {"(PERCENT)", &CValueSpec::percent}, {"(COLOR)", &CValueSpec::color},
        {"(IMAGE)", &CValueSpec::image},     {"(JAVASCRIPT)", &CValueSpec::javascript},
        {"(STRING)", &CValueSpec::string},   {"(WINDOWNAME)", &CValueSpec::windowname},
        {"(URL)", &CValueSpec::url},         {"(FONT)", &CValueSpec::font},
        {"(LINK)", &CValueSpec::link},
    };
    for (const Flag& flag : kFlags) {
        if (line == flag.keyword) {
            valueSpec.*flag.member = true;
            return true;
        }
    }
    return false;
}

void TagDataParser::closeArgument() {
    tag_.arguments.push_back(std::move(argument_));
    argument_ = CArgDef{};
    level_ = Level::Tag;
}

void TagDataParser::closeTag() {
    tags_.push_back(std::move(tag_));
    tag_ = CTagDef{};
    level_ = Level::Top;
}

void TagDataParser::finish() {
    if (level_ == Level::Argument)
        closeArgument();
    if (level_ == Level::Tag)
        closeTag();
}
