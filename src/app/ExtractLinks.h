#pragma once

#include <string>
#include <string_view>

class CTagData;
class LinkList;

// Adds every link of text, the contents of the file at fullPath, to links.
// A local value is made absolute against the file's folder and then relative
// to base (case-sensitive, in its written case); every value then has forward
// slashes. The bookmark goes to the reference's anchor.
void ExtractLinks(const CTagData& tagData, std::string_view text, const std::string& fullPath,
                  const std::string& base, LinkList& links);

// The text under which a written value is listed, and its bookmark.
std::string LinkTextOf(std::string value, const std::string& fileFolder, const std::string& base,
                       std::string* anchor = nullptr);
