#pragma once

#include "html/CTagDef.h"
#include "html/CTagGroup.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Reads the tag data file's three-level line format. It never rejects
// anything: unknown lines become names or predefined values, and whatever is
// still open at the end of the text is closed as if its braces were there.
class TagDataParser {
public:
    TagDataParser(std::vector<CTagDef>& tags, std::vector<CTagGroup>& groups);

    void parse(std::string_view text);

private:
    enum class Level { Top, Tag, Argument };

    void topLine(std::string_view line);
    void tagLine(std::string_view line);
    void tagKeywords(std::string_view line);
    void argumentLine(std::string_view line);
    bool argumentFlag(std::string_view line);
    void setGroup(std::string_view name);
    void closeArgument();
    void closeTag();
    void finish();

    std::vector<CTagDef>& tags_;
    std::vector<CTagGroup>& groups_;
    std::unordered_set<std::string> groupNames_;
    Level level_ = Level::Top;
    std::string pendingTagName_;
    std::string pendingArgumentName_;
    CTagDef tag_;
    CArgDef argument_;
};
