#include "editor/XmlDocumentType.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    std::string name;
    std::string path;
    bool xml;
};

void PrintTo(const PathCase& row, std::ostream* out) {
    *out << row.name;
}

class XmlDocumentType : public ::testing::TestWithParam<PathCase> {};

} // namespace

TEST_P(XmlDocumentType, OnlyTheFileNamesLastExtensionCounts) {
    EXPECT_EQ(IsXmlDocumentType(GetParam().path), GetParam().xml) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Paths, XmlDocumentType,
                         ::testing::Values(PathCase{"Xml", "/site/feed.xml", true},
                                           PathCase{"XhtmlInUpperCase", "/site/PAGE.XHTML", true},
                                           PathCase{"Svg", "logo.Svg", true},
                                           PathCase{"Html", "/site/index.html", false},
                                           PathCase{"XmlFolder", "/site/data.xml/index.html",
                                                    false},
                                           PathCase{"BackupOfXml", "/site/feed.xml.bak", false},
                                           PathCase{"NameWithoutDot", "/site/xml", false},
                                           PathCase{"PrefixOfAnExtension", "/site/pic.sv", false},
                                           PathCase{"Untitled", "", false}),
                         CaseName());
