#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "display/font.h"

namespace {

bool operator==(GlyphCell a, GlyphCell b) { return a.x == b.x && a.y == b.y; }

// The glyphs a field draws, as characters and their x.
std::vector<std::pair<char, std::int32_t>> fieldGlyphs(std::int32_t x, const char* text, std::int32_t width,
                                                       std::int32_t prefix, std::int32_t radix) {
    std::vector<std::pair<char, std::int32_t>> drawn;
    forEachFieldGlyph(x, text, width, prefix, radix, [&](char c, std::int32_t at) { drawn.emplace_back(c, at); });
    return drawn;
}

std::vector<std::pair<char, std::int32_t>> row(std::int32_t x, const std::string& glyphs) {
    std::vector<std::pair<char, std::int32_t>> out;
    for (char c : glyphs) out.emplace_back(c, x), x += 5;
    return out;
}

}  // namespace

TEST(BitmapFont, LettersAndDigitsByFormula) {
    for (int i = 0; i < 26; ++i) {
        SCOPED_TRACE(static_cast<char>('A' + i));
        EXPECT_TRUE(glyphCell(static_cast<char>('A' + i)) == (GlyphCell{5 * i, 0}));
        EXPECT_TRUE(glyphCell(static_cast<char>('a' + i)) == (GlyphCell{5 * i, 0}));
    }
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(glyphCell(static_cast<char>('0' + i)) == (GlyphCell{5 * i, 6}));
    EXPECT_TRUE(glyphCell('Z') == (GlyphCell{125, 0}));
    EXPECT_TRUE(glyphCell('9') == (GlyphCell{45, 6}));
}

TEST(BitmapFont, PunctuationAndEverythingElse) {
    struct Case {
        char c;
        GlyphCell cell;
    };
    const Case cases[] = {
        {'(', {110, 6}}, {')', {115, 6}}, {'%', {130, 6}}, {',', {135, 6}}, {'=', {140, 6}},
        {' ', {25, 12}}, {'-', {25, 12}}, {'.', {25, 12}}, {':', {25, 12}}, {'{', {25, 12}},
        {'\x7f', {25, 12}}, {'`', {25, 12}}, {'@', {25, 12}}, {'[', {25, 12}}, {'\0', {25, 12}},
        // Negative codes are not folded and have no glyph.
        {static_cast<char>(-56), {25, 12}}, {static_cast<char>(0xE1), {25, 12}}, {static_cast<char>(-128), {25, 12}},
    };
    for (const Case& c : cases) EXPECT_TRUE(glyphCell(c.c) == c.cell) << static_cast<int>(c.c);
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
        {"hexadecimal fills the field", "R=ff", 2, 2, 16, "R=ff"},
        {"hexadecimal pads with zeros", "R=a", 2, 2, 16, "R=0a"},
        {"value fills the field", "H=360", 3, 2, 10, "H=360"},
        {"over-long value drawn whole", "H=1000", 3, 2, 10, "H=1000"},
        {"colour code, no label", "FF8000", 6, 0, 10, "FF8000"},
        {"minus sign kept", "C=-5", 3, 2, 10, "C= -5"},
        {"empty value is all pad", "V=", 3, 2, 16, "V=000"},
        {"width 0 is a plain string", "(0,0) ", 0, 0, 16, "(0,0) "},
        {"label longer than the text", "R=", 5, 3, 16, "R="},
        {"label is the whole text", "R=", 2, 2, 16, "R=00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fieldGlyphs(100, c.text, c.width, c.prefix, c.radix), row(100, c.glyphs));
    }
}

TEST(BitmapFont, PadGlyphFollowsTheRadix) {
    EXPECT_EQ(fieldPad(16), '0');
    EXPECT_EQ(fieldPad(10), ' ');
    EXPECT_TRUE(glyphCell(fieldPad(10)) == (GlyphCell{25, 12}));
}
