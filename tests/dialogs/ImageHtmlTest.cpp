#include "dialogs/ImageHtml.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct ImageCase {
    std::string name;
    ImageFields fields;
    std::string tag;
};

ImageFields only(std::string ImageFields::*field, std::string value) {
    ImageFields fields;
    fields.*field = std::move(value);
    return fields;
}

ImageFields everything() {
    return ImageFields{"img/a.gif", "img/low.gif", "A cat", "cat", "LEFT", "TRUE", "100",
                       "50%",       "0",           "2",     "3",   "#map", true};
}

ImageFields sizedMap() {
    ImageFields fields;
    fields.width = "120";
    fields.height = "80";
    fields.isMap = true;
    return fields;
}

std::vector<ImageCase> imageCases() {
    return {ImageCase{"AllEmpty", {}, "<IMG>"},
            ImageCase{"OnlySrcIsQuoted", only(&ImageFields::src, "pics/a.gif"),
                      "<IMG SRC=\"pics/a.gif\">"},
            ImageCase{"OnlyLowSrcIsQuoted", only(&ImageFields::lowSrc, "l.gif"),
                      "<IMG LOWSRC=\"l.gif\">"},
            ImageCase{"OnlyAltIsQuoted", only(&ImageFields::alt, "a b"), "<IMG ALT=\"a b\">"},
            ImageCase{"NameIsNotQuoted", only(&ImageFields::name, "n"), "<IMG NAME=n>"},
            ImageCase{"UseMapWhenFilled", only(&ImageFields::useMap, "#m"), "<IMG USEMAP=#m>"},
            ImageCase{"SizesAndIsMapLast", sizedMap(), "<IMG WIDTH=120 HEIGHT=80 ISMAP>"},
            ImageCase{"EveryFieldInItsPlace", everything(),
                      "<IMG SRC=\"img/a.gif\" LOWSRC=\"img/low.gif\" NAME=cat ALT=\"A cat\" "
                      "ALIGN=LEFT SUPPRESS=TRUE WIDTH=100 HEIGHT=50% BORDER=0 VSPACE=2 HSPACE=3 "
                      "USEMAP=#map ISMAP>"},
            ImageCase{"QuotesInsideAQuotedValueAreKept", only(&ImageFields::alt, "say \"hi\""),
                      "<IMG ALT=\"say \"hi\"\">"}};
}

// One table of cases; each failure names its row.
TEST(ImageHtml, WritesTheTagOfEachCase) {
    for (const ImageCase& c : imageCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ImageHtml::Build(c.fields), c.tag);
    }
}

} // namespace
