#include "dialogs/FontHtml.h"

#include "editor/TagInsertion.h"

#include <gtest/gtest.h>
#include <string>

namespace {

FontChoice plain(int tenths) {
    FontChoice choice;
    choice.pointSizeTenths = tenths;
    return choice;
}

std::uint32_t colorRef(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}

TEST(FontHtmlSize, TenthsOfAPointAreDividedBy102) {
    EXPECT_EQ(FontHtml::Build(plain(100)).open, "<FONT COLOR=\"#000000\" SIZE=0>");
    EXPECT_EQ(FontHtml::Build(plain(240)).open, "<FONT COLOR=\"#000000\" SIZE=2>");
    EXPECT_EQ(FontHtml::Build(plain(360)).open, "<FONT COLOR=\"#000000\" SIZE=3>");
    EXPECT_EQ(FontHtml::Build(plain(203)).open, "<FONT COLOR=\"#000000\" SIZE=1>");
    EXPECT_EQ(FontHtml::Build(plain(204)).open, "<FONT COLOR=\"#000000\" SIZE=2>");
    EXPECT_EQ(FontHtml::Build(plain(100)).close, "</FONT>");
}

TEST(FontHtmlColour, ComponentsAreWrittenRedGreenBlueWithLeadingZeros) {
    FontChoice choice = plain(120);
    choice.colour = colorRef(0x05, 0x0a, 0xff);
    EXPECT_EQ(FontHtml::Build(choice).open, "<FONT COLOR=\"#050aff\" SIZE=1>");
    choice.colour = colorRef(0, 0, 0x0c);
    EXPECT_EQ(FontHtml::Build(choice).open, "<FONT COLOR=\"#00000c\" SIZE=1>");
    choice.colour = colorRef(0xff, 0xff, 0xff);
    EXPECT_EQ(FontHtml::Build(choice).open, "<FONT COLOR=\"#ffffff\" SIZE=1>");
}

TEST(FontHtmlFace, ArialBoldItalicRed) {
    FontChoice choice = plain(120);
    choice.faceName = "Arial";
    choice.weight = FontChoice::BoldWeight;
    choice.italic = true;
    choice.colour = colorRef(0xff, 0, 0);
    const FontHtml html = FontHtml::Build(choice);
    EXPECT_EQ(html.open, "<B><I><FONT FACE=\"Arial\" COLOR=\"#ff0000\" SIZE=1>");
    EXPECT_EQ(html.close, "</FONT></I></B>");
}

TEST(FontHtmlStyles, OnlyWeight700IsBoldAndStylesCloseInReverse) {
    FontChoice choice = plain(100);
    choice.weight = 600;
    EXPECT_EQ(FontHtml::Build(choice).close, "</FONT>");
    choice.weight = 800;
    EXPECT_EQ(FontHtml::Build(choice).close, "</FONT>");
    choice.weight = 400;
    choice.underline = true;
    choice.strikeOut = true;
    const FontHtml html = FontHtml::Build(choice);
    EXPECT_EQ(html.open, "<U><STRIKE><FONT COLOR=\"#000000\" SIZE=0>");
    EXPECT_EQ(html.close, "</FONT></STRIKE></U>");
}

TEST(FontHtmlInsertion, TheTagNamesPutTheTextsBackExactly) {
    FontChoice choice = plain(240);
    choice.faceName = "Courier New";
    choice.weight = FontChoice::BoldWeight;
    choice.strikeOut = true;
    const FontHtml html = FontHtml::Build(choice);
    TextModel model;
    model.ReplaceRange(0, 0, "x");
    model.SelectAll();
    ASSERT_EQ(TagInsertion::InsertTagPair(model, html.openName(), html.closeName(), false),
              EditResult::Done);
    EXPECT_EQ(model.text(), html.open + "x" + html.close);
    EXPECT_EQ(model.GetSelectedText(), "x");
}

} // namespace
