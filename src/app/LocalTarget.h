#pragma once

#include <string>
#include <string_view>

// Where a link value written in a page leads on disk, for the test of
// whether it exists. Nothing here fetches or opens anything on a network.
namespace LocalTarget {

// True for a value that names something beyond this machine's files: it
// starts with a scheme ("http:", "mailto:", "javascript:") or with "//".
// Other values, however many dots they hold, name files.
bool IsWebAddress(std::string_view value);

// The file a local value (its bookmark already split off) names from the
// folder fileFolder: the query ("?...") dropped, "%XX" escapes decoded,
// backslashes taken as separators, leading ".." steps folded. A value that
// starts with "/" names a file under siteRoot, the folder the site is
// served from.
std::string PathOf(std::string_view value, const std::string& fileFolder,
                   const std::string& siteRoot);

// The page a path stands for: the path itself when it is a file; for a
// folder, its index.html or index.htm; "" when there is none.
std::string PageOf(const std::string& path);

// Whether a target as the link list shows it (relative to base when local)
// names a local file or folder that is not there. Values that are not local
// in the list's sense, and the empty target (a page's own bookmarks), are
// never missing.
bool IsMissing(const std::string& listedTarget, const std::string& base);

} // namespace LocalTarget
