// The panel's 5 x 6 bitmap font: which cell of the glyph bitmap each character uses, and
// the order and positions of the glyphs in a label-and-value field.
#pragma once

#include <cstdint>
#include <cstring>

// Top-left corner of a character's cell in the glyph bitmap.
struct GlyphCell {
    std::int32_t x;
    std::int32_t y;
};

// Lower-case letters fold to upper case (codes 97 and up, less 32); negative codes are
// not folded. Characters without a glyph, the blank, '-' and '.' included, get the
// all-ground cell, so they paint over what was there.
GlyphCell glyphCell(char c);
// The same, and the contrast line's signs '.', ':' and '-', which have cells of their own.
GlyphCell glyphCellWithSigns(char c);

// Pad of a right-aligned value: '0' in hexadecimal, a blank in decimal.
char fieldPad(std::int32_t radix);

// Calls draw(c, x) for every glyph of a field, left to right, 5 pixels apart: the first
// prefix characters of text as the label, then fieldPad(radix) glyphs until the value
// fills width cells, then the value. A value longer than the field is drawn whole;
// width 0 draws no pads. With width 0 and prefix 0 this is a plain string. Runs on every
// repaint, so it only walks the text.
template <class Draw>
void forEachFieldGlyph(std::int32_t x, const char* text, std::int32_t width, std::int32_t prefix,
                       std::int32_t radix, Draw&& draw) {
    const std::int32_t length = static_cast<std::int32_t>(std::strlen(text));
    // A label longer than the text would read past its terminator: draw the text alone.
    if (prefix > length) {
        prefix = 0;
        width = 0;
    }
    if (prefix < 0) prefix = 0;
    std::int32_t at = x;
    for (std::int32_t i = 0; i < prefix; ++i, at += 5) draw(text[i], at);
    const std::int32_t valueLength = length - prefix;
    if (width != 0 && valueLength < width) {
        const char pad = fieldPad(radix);
        for (std::int32_t i = valueLength; i < width; ++i, at += 5) draw(pad, at);
    }
    for (std::int32_t i = prefix; i < length; ++i, at += 5) draw(text[i], at);
}
