#pragma once

#include <string>
#include <string_view>

class CLinkRef;

// Re-pointing a reference at a new target.
namespace LinkRewrite {

// The value a reference in refFile (relative to base) gets for newPath, a
// path relative to base or an address: a local path is made relative to
// refFile's own folder; either way with forward slashes, in double quotes.
std::string NewValue(const std::string& newPath, const std::string& base,
                     const std::string& refFile);

// Whether text still holds, over ref's span, the value ref was found with
// (or last rewritten to).
bool Holds(std::string_view text, const CLinkRef& ref);

} // namespace LinkRewrite
