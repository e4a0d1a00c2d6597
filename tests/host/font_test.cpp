#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "display/font.h"

namespace {

bool sameCell(char a, char b) { return glyphCell(a).x == glyphCell(b).x && glyphCell(a).y == glyphCell(b).y; }

}  // namespace

// Where each glyph lies is checked against the font's source in the Win32 tier; here, the
// characters that have none must share the blank cell, so they paint over what was there.
TEST(BitmapFont, CharactersWithoutAGlyphUseTheBlankCell) {
    for (char c : {'-', '.', ':', '{', '\x7f', '`', '@', '[', '\0', static_cast<char>(-56), static_cast<char>(0xE1)})
        EXPECT_TRUE(sameCell(c, ' ')) << static_cast<int>(c);
    for (char c : {'A', '0', '(', '%', '=', ','}) EXPECT_FALSE(sameCell(c, ' ')) << c;
    EXPECT_TRUE(sameCell(fieldPad(10), ' '));
    EXPECT_EQ(fieldPad(16), '0');
}

TEST(BitmapFont, FieldsPadTheValueRightAligned) {
    struct Case {
        const char* what;
        const char* text;
        std::int32_t width, prefix, radix;
        std::string glyphs;
    };
    const Case cases[] = {
        {"decimal pads with blanks", "R=5", 3, 2, 10, "R=  5"},
        {"hexadecimal pads with zeros", "R=a", 2, 2, 16, "R=0a"},
        {"value fills the field", "H=360", 3, 2, 10, "H=360"},
        {"over-long value drawn whole", "H=1000", 3, 2, 10, "H=1000"},
        {"colour code, no label", "FF8000", 6, 0, 10, "FF8000"},
        {"minus sign kept", "C=-5", 3, 2, 10, "C= -5"},
        {"empty value is all pad", "V=", 3, 2, 16, "V=000"},
        {"width 0 is a plain string", "(0,0) ", 0, 0, 16, "(0,0) "},
        {"label longer than the text", "R=", 5, 3, 16, "R="},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::pair<char, std::int32_t>> drawn, expected;
        forEachFieldGlyph(100, c.text, c.width, c.prefix, c.radix,
                          [&](char g, std::int32_t at) { drawn.emplace_back(g, at); });
        for (std::size_t i = 0; i < c.glyphs.size(); ++i)
            expected.emplace_back(c.glyphs[i], 100 + 5 * static_cast<std::int32_t>(i));
        EXPECT_EQ(drawn, expected);
    }
}
