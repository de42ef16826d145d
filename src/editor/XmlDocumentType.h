#pragma once

#include <string_view>

// True when path names a document of an XML type (.xml, .xhtml, .svg, in
// any case). Tag and argument names in such a document are case-sensitive,
// so nothing may change their case.
bool IsXmlDocumentType(std::string_view path);
