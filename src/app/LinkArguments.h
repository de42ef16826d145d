#pragma once

#include <functional>
#include <string>
#include <string_view>

class CTagData;
struct CArgToken;

// The arguments that hold links: those the tag data gives the type (LINK),
// of tags the tag data knows. An argument written without "=" holds no value
// to follow or to rewrite and is passed over.

// The value as written: the text of the value span trimmed of blanks, tabs
// and line feeds, one leading and one trailing double quote dropped, in its
// own case.
std::string WrittenLinkValue(std::string_view text, const CArgToken& argument);
// The same for the text of a value span.
std::string WrittenValueOf(std::string_view span);

// Calls visit with every link argument of text and its written value, in
// text order.
void ForEachLinkArgument(
    const CTagData& tagData, std::string_view text,
    const std::function<void(const CArgToken& argument, std::string value)>& visit);
