#include <gtest/gtest.h>

#include "MenuTestSupport.h"

using namespace menutest;

namespace {
class FontObjTest : public MenuFixture {
protected:
    FontObj font{&engine};

    float measure(const std::string& text)
    {
        widths.clear();
        advances.clear();
        return font.getTextWidth(&text, &widths, &advances);
    }

    std::vector<float> widths, advances;
};
}

TEST_F(FontObjTest, KerningAndTrackingComeBetweenCharactersOnly)
{
    // A blank, a quote and a brace are glyphs too; entries may be glued or
    // spread out.
    WorkDir::write("font.cfg",
              "FirstCharacter: 32 Tracking: 2 TextureSize: 512\n"
              "CharacterList { ' ' '!' '\"' '#' '$' '%' '&' ''' '(' ')' '*' '+' ',' '-' '.' '/'\n"
              " '0' '1' '2' '3' '4' '5' '6' '7' '8' '9' ':' ';' '<' '=' '>' '?' '@' 'A','B'\n"
              " 'C' 'D' 'E' 'F' 'G' 'H' 'I' 'J' 'K' 'L' 'M' 'N' 'O' 'P' 'Q' 'R' 'S' 'T' 'U' 'V' }\n"
              "CharacterRectangles: { (0,0,6,30)" + std::string(32, ' ') + "\n" +
              [] {
                  std::string r;
                  for (int i = 1; i < 55; ++i)
                      r += "( 10 , 0 , " + std::to_string(10 + i) + " , 20 ) ";
                  return r;
              }() + "}\n"
              "KerningPairs: { ('A','V',-3) ( 'V' , 'A' , -1.5 ) ('Z','A',-9) }\n");
    ASSERT_TRUE(font.loadFont("font.cfg"));
    font.constructGlyphs();
    ASSERT_EQ(font.glyphCount, 55);
    EXPECT_EQ(font.glyphOf(' ')->width, 6);
    EXPECT_EQ(font.glyphOf('\'')->width, 7);

    const float wA = font.glyphOf('A')->width, wV = font.glyphOf('V')->width;
    EXPECT_FLOAT_EQ(measure("AV"), (wA + wV + (2 - 3)) / 512.0f);
    EXPECT_FLOAT_EQ(advances[1], -1.0f / 512.0f);
    EXPECT_FLOAT_EQ(measure("VA"), (wA + wV + (2 - 1.5f)) / 512.0f);
    EXPECT_FLOAT_EQ(measure("V"), wV / 512.0f);

    // A character without a glyph measures nothing; the spacing joins the
    // characters around it. Ranges beyond the text are cut to it.
    EXPECT_FLOAT_EQ(measure("AzV"), (wA + wV + (2 - 3)) / 512.0f);
    const std::string text = "AzV";
    EXPECT_FLOAT_EQ(font.getTextWidth(&widths, &advances, &text, 1, 5), (wV - 1) / 512.0f);
}
