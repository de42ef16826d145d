#pragma once

#include <string>

class LinkList;
class TextModel;

// The marks that show link references in an open document.
namespace LinkMarks {

inline constexpr const char* kReason = "Link marked by LinkValidator";

// Lays a mark of kind 102, linked to its reference, over every reference of
// links in the file at path (model holds it; base is the folder the
// references' files are relative to). A reference already marked in model,
// or whose span no longer holds the value it was found with, gets none.
// Returns how many were laid.
int Lay(LinkList& links, const std::string& base, const std::string& path, TextModel& model);

} // namespace LinkMarks
